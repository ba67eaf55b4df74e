# Sourced: makes sure an X display exists. Without one, starts a private Xvfb that
# stop_display ends (after the Wine server, which must not outlive its display).
started_xvfb=""
ensure_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return
    fi
    local n
    for n in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        started_xvfb=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && return
            sleep 0.1
        done
    done
    echo "could not start Xvfb" >&2
    exit 1
}
stop_display() {
    # Only a display we started is ours to end, and the Wine server with it; on a shared
    # display other Wine programs may still be running.
    if [ -n "$started_xvfb" ]; then
        "$WINE_SERVER" -k >/dev/null 2>&1 || true
        "$WINE_SERVER" -w >/dev/null 2>&1 || true
        kill "$started_xvfb" 2>/dev/null || true
        wait "$started_xvfb" 2>/dev/null || true
    fi
}
