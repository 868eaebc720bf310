#!/usr/bin/env bash
# Installs the Debian packages Dzwonex needs (only the missing ones),
# then configures and builds a Release tree in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl1-mesa-dev
  # lupdate and lrelease, and CMake's Qt6LinguistTools, for the translations
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools
  libjpeg-dev
  libsdl2-mixer-dev
  nlohmann-json3-dev
  fontconfig fonts-dejavu-core
  # tests and benchmarks (BUILD_TESTING)
  libgtest-dev libgmock-dev libbenchmark-dev
  libopenmpt-dev libmodplug-dev
  clang-format
  desktop-file-utils appstream shared-mime-info
)
if [[ "${DZWONEX_EXTRA_PACKAGES:-}" != "" ]]; then
  read -r -a extra <<<"$DZWONEX_EXTRA_PACKAGES"
  PACKAGES+=("${extra[@]}")
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [[ $(id -u) -ne 0 ]] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build "$BUILD_DIR" -j "$(nproc)"
