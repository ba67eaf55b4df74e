#!/usr/bin/env bash
# Configures and builds one target architecture into ${BUILD_ROOT:-build}/ARCH:
#   build.sh x86_64|i686 [cmake target ...]   (no target: everything)
# PROJECT_TESTS=ON|OFF in the environment turns the test programs and benchmarks on or off
# (kept in the build folder's cache; both builds start with them on).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arch=${1:?x86_64 or i686}
shift
build="${BUILD_ROOT:-$root/build}/$arch"
# Configured every time (quick when nothing changed): make cannot build a target that a
# stale configuration does not know yet.
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release ${PROJECT_TESTS:+-DPROJECT_TESTS=$PROJECT_TESTS} >/dev/null
targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
