#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and
# builds the program into build/. Safe to run again: nothing is reinstalled or rebuilt
# without need.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
  libsqlcipher-dev sqlcipher
  libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
  libcli11-dev nlohmann-json3-dev
  fonts-wqy-microhei
  xvfb xauth imagemagick xdotool
  clang libclang-rt-14-dev
  dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
if ((${#missing[@]})); then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages (run as root to install them): ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_type=${BUILD_TYPE:-Release}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$build_type" >/dev/null
cmake --build build -j2
