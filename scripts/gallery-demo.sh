#!/usr/bin/env bash
# The gallery demo: builds and shows the Trellis gallery (the theme and the drawing helpers).
# With a display it stays open until the user closes it; headless it saves
# out/screenshots/gallery.png and ends by itself.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh" x86_64 gallery
gallery="${BUILD_ROOT:-$root/build}/x86_64/bin/gallery.exe"

source "$root/scripts/session.sh"
start_session
if [ -z "$headless" ]; then
    "$WINE_LOADER" "$gallery"
    exit 0
fi
shots="$root/out/screenshots"
mkdir -p "$shots"
# The gallery closes itself after six seconds; the screenshot is taken after three.
"$WINE_LOADER" "$gallery" --close-after 6 &
pid=$!
sleep 3
import -window root "$shots/gallery.png"
wait "$pid"
echo "screenshot: out/screenshots/gallery.png"
