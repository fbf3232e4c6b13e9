#!/usr/bin/env bash
# Installs the Debian 12 packages that building Lumbra needs ("play"), and
# those its tests and benchmarks need as well ("test"). Run as root.
set -euo pipefail

build_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libqt6svg6-dev qt6-qpa-plugins
  libcurl4-openssl-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-dejavu-core
)
test_packages=(
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xdotool x11-apps imagemagick
  python3 python3-aiosmtpd
  desktop-file-utils appstream dpkg-dev file
)

packages=("${build_packages[@]}")
if [[ "${1:-play}" == test ]]; then
  packages+=("${test_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
