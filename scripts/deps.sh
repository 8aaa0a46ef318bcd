#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# Usage: scripts/deps.sh [build|test|package|windows]
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-serialport-dev qt6-multimedia-dev libgl-dev
          fonts-noto-cjk qt6-translations-l10n libyaml-cpp-dev libzip-dev)
# The printed sheet: Qt PrintSupport comes with qt6-base-dev (libqt6printsupport6); its fonts,
# embedded in the PDF, are DejaVu Sans and WenQuanYi Micro Hei.
packages+=(fonts-dejavu-core fonts-wqy-microhei)
if [ "${1:-build}" = test ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev)
  # pdftotext and pdffonts read the PDF mv52ctl print writes.
  packages+=(poppler-utils)
fi
if [ "${1:-build}" = package ]; then
  # CPack's dependency lookup (dpkg-shlibdeps), the manual pages, and the checks of the
  # desktop entry and the metainfo.
  packages+=(dpkg-dev help2man desktop-file-utils appstream)
fi
if [ "${1:-build}" = windows ]; then
  # The core's Windows test build (scripts/test-windows.sh): the MinGW-w64 cross compiler,
  # Wine, GoogleTest's sources, and dpkg-source to unpack yaml-cpp's source package. No Qt.
  packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 googletest dpkg-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
