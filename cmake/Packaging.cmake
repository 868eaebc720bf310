# Packages made by CPack from the install rules: a Debian package and a
# tarball of the same tree (cpack in the build folder; scripts/package.sh).
set(CPACK_PACKAGE_NAME dzwonex)
set(CPACK_PACKAGE_VENDOR "The Dzwonex developers")
set(CPACK_PACKAGE_CONTACT "${DZWONEX_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "economic game: run the local branch of a telephone company")
# Lines of at most 79 characters, as the Debian control file wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A small single-player economic game. You run the local branch of the"
  "telephone company Dzwonex S.A.: a city map full of subscribers, an inbox of"
  "cases to answer, a daily turn on a timer, a rotating banner, tracker music"
  "and sound effects. There is no goal and no end."
  ""
  "The package holds the game's window, dzwonex, and dzwonex-text, which plays"
  "the same game through text commands from a terminal or a script.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${DZWONEX_HOMEPAGE}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_GENERATOR "")

# Debian: laid out under /usr (CPack's default for it); the libraries the
# programs link are found by dpkg-shlibdeps. The tarball holds bin/ and
# share/ at its top, to unpack anywhere.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Wayland desktops run the window natively with Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
# Qt's own translations put the file dialogs' buttons in the game's language.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS qt6-translations-l10n)

include(CPack)
