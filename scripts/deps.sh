#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Does nothing when everything is present.
set -euo pipefail

packages=(
  g++
  clang
  clang-format
  cmake
  ninja-build
  make
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  qt6-base-dev
  qt6-charts-dev
  libqt6opengl6-dev  # Qt Charts' CMake package asks for Qt OpenGL
  qt6-svg-dev
  libmuparser-dev
  chromium
  libcli11-dev
  nlohmann-json3-dev
  fonts-ipafont-gothic
  poppler-utils
  xvfb
  xauth
  openbox
  xdotool
  x11-apps
)

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
else
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
