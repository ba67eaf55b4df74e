#!/usr/bin/env bash
# The skin demo: builds and runs it. With a display it opens the demo for the user.
# Headless, or with --shots, it saves what the user would see to out/screenshots/
# (skin-demo.png, skin-demo-hover.png with the mouse on a caption button, skin-demo-tab.png
# with another tab selected) and ends by itself.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/session.sh"
arch=$(demo_arch)
bash "$root/scripts/build.sh" "$arch" skindemo
demo="${BUILD_ROOT:-$root/build}/$arch/bin/skindemo.exe"
if [ "${1:-}" = "--shots" ]; then export DEMO_HEADLESS=1; fi
start_session
if [ -z "$headless" ]; then
    wine_run "$demo"
    exit 0
fi

shots="$root/out/screenshots"
mkdir -p "$shots"
# The demo window sits at (40, 40), 520 x 380.
shot() {
    local name=$1
    shift
    wine_run "$demo" --exit-after=4000 "$@" &
    local pid=$!
    sleep 3
    import -window root -crop 520x380+40+40 +repage "$shots/$name"
    wait "$pid" 2>/dev/null || true
    echo "screenshot: out/screenshots/$name"
}
shot skin-demo.png
shot skin-demo-hover.png --hover
shot skin-demo-tab.png --tab=选项
