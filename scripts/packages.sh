# Debian packages by purpose, and their installation. Sourced by the
# set-up, play, test and package scripts; each installs only the groups it
# needs, and of those only what is missing.

# Building the game, the text front end and the assets.
DZWONEX_BUILD_PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev
  # lupdate and lrelease, and CMake's Qt6LinguistTools, for the translations
  qt6-l10n-tools qt6-tools-dev
  libjpeg-dev libsdl2-mixer-dev nlohmann-json3-dev
  # the asset generator letters its pictures in DejaVu Sans
  fontconfig fonts-dejavu-core
)
# Running the window: Qt's own translations for its file dialogs.
DZWONEX_RUN_PACKAGES=(qt6-translations-l10n)
# The tests, benchmarks, format check and fuzz targets (BUILD_TESTING).
DZWONEX_TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev
  libopenmpt-dev libmodplug-dev
  clang-format clang libfuzzer-14-dev libclang-rt-14-dev
  desktop-file-utils appstream shared-mime-info
  xvfb xauth sox
  # the Debian package, made and checked by the suite
  file dpkg-dev lintian
)
# Packing the .deb and the .tar.gz (CPack finds the libraries with
# dpkg-shlibdeps, which needs file).
DZWONEX_PACKAGE_PACKAGES=(file dpkg-dev)

# Installs the packages named, and those of DZWONEX_EXTRA_PACKAGES, that
# are not installed yet (without a flush to the disk after each file: a
# crash halfway would mean installing again, nothing worse): as root directly,
# through sudo otherwise (sudo drops DEBIAN_FRONTEND unless it is given on
# its command line). Without either, says what to run as root and exits 1.
dzwonex_install_packages() {
  local missing=() p wanted=("$@") extra=()
  # More packages, for a build configured differently.
  read -r -a extra <<<"${DZWONEX_EXTRA_PACKAGES:-}"
  wanted+=("${extra[@]}")
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  # Each name once, in the order given.
  mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk '!seen[$0]++')
  local line="apt-get install -y --no-install-recommends ${missing[*]}"
  local run=()
  if [[ $(id -u) -eq 0 ]]; then
    run=(env DEBIAN_FRONTEND=noninteractive)
  elif command -v sudo >/dev/null; then
    run=(sudo DEBIAN_FRONTEND=noninteractive)
  else
    {
      echo "Dzwonex needs these Debian packages: ${missing[*]}"
      echo "Installing them needs root, and sudo is not installed. As root, run:"
      echo "  apt-get update && $line"
      echo "then run $0 again."
    } >&2
    exit 1
  fi
  local log
  log="$(mktemp "${TMPDIR:-/tmp}/dzwonex-apt.XXXXXX")"
  echo "Installing ${#missing[@]} Debian packages and what they need (apt's output: $log): ${missing[*]}"
  if ! { "${run[@]}" apt-get update -qq && "${run[@]}" apt-get install -y -qq --no-install-recommends \
    -o Dpkg::Options::=--force-unsafe-io "${missing[@]}"; } >"$log" 2>&1; then
    {
      tail -n 20 "$log"
      echo "Could not install the packages. As root, run:"
      echo "  apt-get update && $line"
    } >&2
    exit 1
  fi
  rm -f "$log"
}
