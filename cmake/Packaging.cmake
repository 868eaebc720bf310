# The two programs a player needs, and what they read, without the tests or
# the tools: what scripts/play.sh builds.
if(TARGET dzwonex)
  add_custom_target(game-programs)
  add_dependencies(game-programs dzwonex dzwonex-text)
endif()

# A stripped installation (cmake --install --strip, CPack) also loses the
# compilers' version notes in .comment, which nothing reads.
find_program(DZWONEX_OBJCOPY NAMES ${CMAKE_OBJCOPY} objcopy)
if(DZWONEX_OBJCOPY)
  install(CODE "set(dzwonex_objcopy \"${DZWONEX_OBJCOPY}\")")
  install(CODE [[
    if(CMAKE_INSTALL_DO_STRIP)
      foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
        if(file MATCHES "/dzwonex(-text)?$")
          execute_process(COMMAND "${dzwonex_objcopy}" --remove-section=.comment "$ENV{DESTDIR}${file}" COMMAND_ERROR_IS_FATAL ANY)
        endif()
      endforeach()
    endif()
  ]])
endif()

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

# Debian: laid out under /usr (CPack's default for it), the programs in
# /usr/games when configured with -DCMAKE_INSTALL_BINDIR=games as
# scripts/package.sh does (Debian's place for games; the data stay in
# /usr/share/dzwonex and the programs find them from either folder). The
# libraries the programs link are found by dpkg-shlibdeps. The tarball holds
# the same tree at its top, to unpack anywhere.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Wayland desktops run the window natively with Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
# Qt's own translations put the file dialogs' buttons in the game's language.
# The sound loads SDL2 and SDL2_mixer itself once the window is up, which
# dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, libsdl2-2.0-0, libsdl2-mixer-2.0-0 (>= 2.0.2)")

include(CPack)
