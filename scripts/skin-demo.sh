#!/usr/bin/env bash
# The skin demo: builds it (x86_64) and runs it. With a display it opens the demo for the
# user. Without one, or with --shots, it saves what the user would see to out/screenshots/
# (skin-demo.png, skin-demo-hover.png with the mouse on a caption button, skin-demo-tab.png
# with another tab selected) and ends by itself.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
build="${BUILD_ROOT:-$root/build}/x86_64"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target skindemo
demo="$build/bin/skindemo.exe"

source "$root/scripts/wine-env.sh"
source "$root/scripts/display.sh"
shots_only=""
if [ "${1:-}" = "--shots" ] || [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    shots_only=1
fi
ensure_display
trap stop_display EXIT
bash "$root/scripts/wine-prefix.sh"

if [ -z "$shots_only" ]; then
    "$WINE_LOADER" "$demo"
    exit 0
fi

shots="$root/out/screenshots"
mkdir -p "$shots"
# The demo window sits at (40, 40), 520 x 380.
shot() {
    local name=$1
    shift
    "$WINE_LOADER" "$demo" --exit-after=4000 "$@" &
    local pid=$!
    sleep 3
    import -window root -crop 520x380+40+40 +repage "$shots/$name"
    wait "$pid" 2>/dev/null || true
    echo "screenshot: out/screenshots/$name"
}
shot skin-demo.png
shot skin-demo-hover.png --hover
shot skin-demo-tab.png --tab=选项
