# Sourced: starts and stops a virtual X display with a window manager. Without
# a window manager Wine waits 2 s whenever it hides a window.
vexa_display_start() {  # $1: geometry such as 1920x1080x24
    local geometry="${1:-1920x1080x24}"
    local number
    for number in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || break
    done
    Xvfb ":$number" -screen 0 "$geometry" -nolisten tcp >/dev/null 2>&1 &
    VEXA_XVFB_PID=$!
    export DISPLAY=":$number"
    local tries
    for tries in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    evilwm -fn fixed >/dev/null 2>&1 &
    VEXA_WM_PID=$!
    sleep 0.3
}

vexa_display_stop() {
    [ -n "${VEXA_WM_PID:-}" ] && kill "$VEXA_WM_PID" 2>/dev/null || true
    [ -n "${VEXA_XVFB_PID:-}" ] && kill "$VEXA_XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
}
