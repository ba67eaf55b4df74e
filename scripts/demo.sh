#!/usr/bin/env bash
# The demo command: installs what is missing, builds the programs (the shipped i686 build
# where this machine runs it, else x86_64), generates a
# sample game folder under out/demo/ and starts the toolbox in it.
# Without a display it runs under a private Xvfb, saves what the user would see to
# out/screenshots/ (start-up window outside a game folder, first-run report, then a short
# tour of a normal start: main window, progress window while all levels are installed, map
# window replacing a level), then of the skin demo and the Trellis gallery, and ends by
# itself. With a display it opens the toolbox for the user: the first run unpacks data.zip,
# and once its report is closed the toolbox starts again as asked; then the skin demo and
# the gallery open in turn.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
source "$root/scripts/session.sh"
arch=$(demo_arch)
bash "$root/scripts/build.sh" "$arch" toolbox samplegame Player tour skindemo gallery
bin="${BUILD_ROOT:-$root/build}/$arch/bin"
echo "demo: the $arch build"

start_session
# The skin demo and the gallery share this session (and its display) when headless.
if [ -n "$headless" ]; then export DEMO_HEADLESS=1; fi

demo="$root/out/demo"
shots="$root/out/screenshots"
rm -rf "$demo"
mkdir -p "$demo/elsewhere" "$shots"
wine_run "$bin/samplegame.exe" "$(windows_path "$demo/game")"
cp "$bin/toolbox.exe" "$demo/game/"
cp "$bin/toolbox.exe" "$demo/elsewhere/"

if [ -z "$headless" ]; then
    (cd "$demo/game" && wine_run toolbox.exe)
    (cd "$demo/game" && wine_run toolbox.exe)
    bash "$root/scripts/skin-demo.sh"
    bash "$root/scripts/gallery-demo.sh"
    exit 0
fi

# Starts the toolbox in a folder, waits until its window is drawn, takes a screenshot and
# ends that toolbox (it waits for a user who is not there).
show() {
    local folder=$1 shot=$2
    (cd "$folder" && exec "$(wine_loader_for toolbox.exe)" toolbox.exe) &
    local pid=$!
    sleep 4
    import -window root "$shots/$shot"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "screenshot: out/screenshots/$shot"
}
show "$demo/elsewhere" startup-window.png
show "$demo/game" first-run.png
# A normal start, driven like a user by the tour program, which pictures each stop.
wine_run "$bin/tour.exe" "$(windows_path "$demo/game")" "$(windows_path "$shots")"
for picture in main-window progress-window map-window; do
    if [ -f "$shots/$picture.bmp" ]; then
        convert "$shots/$picture.bmp" "$shots/$picture.png"
        rm "$shots/$picture.bmp"
        echo "screenshot: out/screenshots/$picture.png"
    fi
done
# The skin demo and the Trellis gallery on the same display.
bash "$root/scripts/skin-demo.sh"
bash "$root/scripts/gallery-demo.sh"
