# Sourced by the commands that run Windows programs: the Wine environment, an X display
# (a private Xvfb when there is none, ended with the Wine server on exit) and the prefix.
# Sets `headless` when nobody can see the screen (or DEMO_HEADLESS=1): demos then save
# screenshots and end by themselves.
session_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$session_root/scripts/wine-env.sh"
source "$session_root/scripts/display.sh"

start_session() {
    headless=${DEMO_HEADLESS:-}
    if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
        headless=1
    fi
    ensure_display
    trap stop_display EXIT
    bash "$session_root/scripts/wine-prefix.sh"
}

# A Linux path as Wine's Z: drive sees it.
windows_path() { echo "Z:${1//\//\\}"; }
