#!/usr/bin/env bash
# Configures and builds one target: build.sh x86_64|i686 [extra cmake arguments].
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arch=${1:?x86_64 or i686}
shift
build="${BUILD_ROOT:-$root/build}/$arch"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
fi
cmake --build "$build" -j"$(nproc)"
