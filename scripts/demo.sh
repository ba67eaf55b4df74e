#!/usr/bin/env bash
# The demo command: installs what is missing, builds the x86_64 programs, generates a
# sample game folder under out/demo/ and starts the toolbox in it.
# Without a display it runs under a private Xvfb, saves what the user would see to
# out/screenshots/ (start-up window outside a game folder, first-run report, then a short
# tour of a normal start: main window, progress window while all levels are installed, map
# window replacing a level) and ends by itself. With a display it opens the toolbox for the
# user: the first run unpacks data.zip, and once its report is closed the toolbox starts
# again as asked.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
build="${BUILD_ROOT:-$root/build}/x86_64"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target toolbox samplegame Player tour
bin="$build/bin"

source "$root/scripts/wine-env.sh"
source "$root/scripts/display.sh"
headless=""
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    headless=1
fi
ensure_display
trap stop_display EXIT
bash "$root/scripts/wine-prefix.sh"

demo="$root/out/demo"
shots="$root/out/screenshots"
rm -rf "$demo"
mkdir -p "$demo/elsewhere" "$shots"
windows_path() { echo "Z:${1//\//\\}"; }
"$WINE_LOADER" "$bin/samplegame.exe" "$(windows_path "$demo/game")"
cp "$bin/toolbox.exe" "$demo/game/"
cp "$bin/toolbox.exe" "$demo/elsewhere/"

if [ -z "$headless" ]; then
    (cd "$demo/game" && "$WINE_LOADER" toolbox.exe)
    (cd "$demo/game" && "$WINE_LOADER" toolbox.exe)
    exit 0
fi

# Starts the toolbox in a folder, waits until its window is drawn, takes a screenshot and
# ends that toolbox (it waits for a user who is not there).
show() {
    local folder=$1 shot=$2
    (cd "$folder" && exec "$WINE_LOADER" toolbox.exe) &
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
"$WINE_LOADER" "$bin/tour.exe" "$(windows_path "$demo/game")" "$(windows_path "$shots")"
for picture in main-window progress-window map-window; do
    if [ -f "$shots/$picture.bmp" ]; then
        convert "$shots/$picture.bmp" "$shots/$picture.png"
        rm "$shots/$picture.bmp"
        echo "screenshot: out/screenshots/$picture.png"
    fi
done
# The Trellis gallery on the same display: out/screenshots/gallery.png.
GALLERY_HEADLESS=1 bash "$root/scripts/gallery-demo.sh"
