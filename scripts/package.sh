#!/usr/bin/env bash
# Builds the Debian package: build-package/mv52_<version>_<arch>.deb (a Release build laid out
# for /opt/mv52, see cmake/Package.cmake), after checking its desktop entry and metainfo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh package
# Debian's hardening flags (fortified functions, full RELRO, bind now), as a Debian build has them.
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DMV52_TESTS=OFF -DMV52_BENCH=OFF -DMV52_PACKAGE=ON \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build-package -j "$(nproc)"

rm -f build-package/mv52_*.deb
(cd build-package && cpack -G DEB)
deb=$(ls build-package/mv52_*.deb)

# The files as installed, checked by the tools a desktop and a software centre use.
staged=$(mktemp -d)
trap 'rm -rf "$staged"' EXIT
dpkg-deb -x "$deb" "$staged"
desktop-file-validate "$staged"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$staged"/usr/share/metainfo/*.metainfo.xml
echo "Package: $deb"
