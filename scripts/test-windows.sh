#!/usr/bin/env bash
# Cross-compiles the Qt-free core and its tests for 64-bit Windows (MinGW-w64) and runs the
# tests under Wine. Everything comes from Debian's archive: the cross compiler, Wine,
# GoogleTest's sources, and yaml-cpp built from Debian's source package.
# Usage: scripts/test-windows.sh [--install-only]
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
build="$root/build-windows"

# The packages, only those that are missing.
scripts/deps.sh windows
[ "${1:-}" = --install-only ] && exit 0

export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}" CCACHE_NOHASHDIR=true
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
jobs="$(nproc)"
prefix="$build/prefix"
cross=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
       -DMV52_WINDOWS_PREFIX="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" "${launcher[@]}")

# GoogleTest from the sources Debian ships.
if [ ! -f "$prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$build/googletest" "${cross[@]}" -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON
  cmake --build "$build/googletest" -j "$jobs" --target install
fi

# yaml-cpp from Debian's source package, fetched with an apt configuration of its own so that
# the system's package sources stay as they are.
if ! ls "$prefix"/*/cmake/yaml-cpp/yaml-cpp-config.cmake >/dev/null 2>&1; then
  apt_dir="$build/apt"
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/sources.list.d" "$build/sources"
  . /etc/os-release
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian $VERSION_CODENAME main" \
    > "$apt_dir/sources.list"
  apt_own=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
           -o Dir::State::Lists="$apt_dir/lists" -o Debug::NoLocking=1)
  apt-get "${apt_own[@]}" update -q
  rm -rf "$build/sources/yaml-cpp"
  mkdir -p "$build/sources/yaml-cpp"
  (cd "$build/sources/yaml-cpp" && apt-get "${apt_own[@]}" source -q yaml-cpp)
  yaml_src="$(find "$build/sources/yaml-cpp" -mindepth 1 -maxdepth 1 -type d -name 'yaml-cpp-*' | head -n 1)"
  cmake -S "$yaml_src" -B "$build/yaml-cpp" "${cross[@]}" -DYAML_CPP_BUILD_TESTS=OFF -DYAML_CPP_BUILD_TOOLS=OFF \
    -DYAML_CPP_BUILD_CONTRIB=OFF -DYAML_BUILD_SHARED_LIBS=OFF
  cmake --build "$build/yaml-cpp" -j "$jobs" --target install
fi

# The core and its tests for Windows (no Qt: the windows, adapters and the command line are
# built by the Windows recipe, CMakePresets.json).
cmake -S . -B "$build/core" "${cross[@]}" -DMV52_CORE_ONLY=ON -DMV52_BENCH=OFF -DMV52_WERROR=ON
cmake --build "$build/core" -j "$jobs"

# Under Wine, in a Wine folder of its own; no window appears, nor an offer of Wine's add-ons.
export WINEPREFIX="$build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
wine "$build/core/tests/mv52_core_tests.exe" --gtest_brief=1 2>&1 | tr -d '\r' | tee "$build/core-tests.log"
# Wine's own exit status is that of the program; the summary line is checked as well.
grep -q '^\[  PASSED  \]' "$build/core-tests.log" && ! grep -q '^\[  FAILED  \]' "$build/core-tests.log"
