# Debian packages by purpose, and their installation. Sourced by the
# set-up, play, test and package scripts (from the top of the tree); each
# installs only the groups it needs, and of those only what is missing.

# The packages debian/control's Build-Depends name, one a line: "build",
# those the game, the text front end and the assets need; "check", those
# the tests need besides (marked <!nocheck>). The first of alternatives.
dzwonex_build_depends() {
  awk -v want="$1" '
    /^#/ { next }
    /^[^ \t]/ { field = ($1 == "Build-Depends:"); sub(/^Build-Depends:/, "") }
    field { line = line $0 }
    END {
      n = split(line, entries, ",")
      for (i = 1; i <= n; i++) {
        entry = entries[i]
        check = entry ~ /<!nocheck>/
        sub(/[|].*/, "", entry)
        gsub(/[(][^)]*[)]|<[^>]*>|[ \t]/, "", entry)
        if (entry == "" || entry ~ /^debhelper-compat$/) continue
        if ((want == "check") == check) print entry
      }
    }' debian/control
}

# Building the game, the text front end and the assets.
mapfile -t DZWONEX_BUILD_PACKAGES < <(dzwonex_build_depends build)
DZWONEX_BUILD_PACKAGES=(build-essential "${DZWONEX_BUILD_PACKAGES[@]}")
# Running the window: what debian/control names beside the libraries (the
# platform plugin, the sound library, which the window loads while it
# runs), and Qt's own translations for its file dialogs.
DZWONEX_RUN_PACKAGES=(qt6-qpa-plugins libsdl2-mixer-2.0-0 qt6-translations-l10n)
# Building and running the tests (BUILD_TESTING).
mapfile -t DZWONEX_CHECK_PACKAGES < <(dzwonex_build_depends check)
# The rest of a developer's tools: the benchmarks, the format check, the
# fuzz targets, the screenshot and sound scripts, and the Debian packages,
# made and checked by the test command.
DZWONEX_TEST_PACKAGES=(
  "${DZWONEX_CHECK_PACKAGES[@]}"
  libbenchmark-dev
  clang-format clang libfuzzer-14-dev libclang-rt-14-dev
  xvfb xauth sox
  debhelper dpkg-dev lintian
)
# Making the Debian packages (scripts/package.sh).
DZWONEX_PACKAGE_PACKAGES=(debhelper dpkg-dev)

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
