#!/usr/bin/env bash
# The gallery demo: builds and shows the Trellis gallery (the theme, the drawing helpers and
# a page per control family). With a display it stays open until the user closes it;
# headless it saves out/screenshots/gallery-PAGE.png for every page and ends by itself.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/session.sh"
arch=$(demo_arch)
bash "$root/scripts/build.sh" "$arch" gallery
gallery="${BUILD_ROOT:-$root/build}/$arch/bin/gallery.exe"
start_session
if [ -z "$headless" ]; then
    wine_run "$gallery"
    exit 0
fi
shots="$root/out/screenshots"
mkdir -p "$shots"
# One run per page: the gallery opens on it, closes itself after five seconds, and the
# screenshot is taken after three.
pages=(theme buttons dialog edits lists ranges statics image track values colours editor completion)
for page in "${pages[@]}"; do
    wine_run "$gallery" --page "$page" --close-after 5 &
    pid=$!
    sleep 3
    import -window root "$shots/gallery-$page.png"
    wait "$pid"
    echo "screenshot: out/screenshots/gallery-$page.png"
done
