#!/usr/bin/env bash
# Builds everything and runs every test: the native tests (with sanitizers), then the Windows
# program's tests under Wine in a fresh private prefix, on an Xvfb display of their own when
# there is no display. Installs the Debian packages it needs when run as root.
set -euo pipefail
cd "$(dirname "$0")"
source cmake/prepare.sh

echo "== native build and tests"
cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host

echo "== 32-bit Windows build"
cmake --preset win32 >/dev/null
cmake --build --preset win32
cmake/check-artefacts.sh build/win32

arch=$ORVEDAN_WINE_ARCH
if [ "$arch" = win64 ]; then
    echo "== this kernel does not run 32-bit programs: Windows tests run the x86-64 build"
    cmake --preset win64 >/dev/null
    cmake --build --preset win64
fi

echo "== Windows tests under Wine ($arch)"
prefix="$PWD/build/$arch/wineprefix"
rm -rf "$prefix" "$prefix.lock"
wine_env "$prefix" "$arch"
trap 'wine_stop; stop_display' EXIT
start_display
wine_prefix_ready
ctest --preset "$arch"
