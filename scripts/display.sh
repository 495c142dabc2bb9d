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

# Two monitors with a negative origin: a 1920 x 1080 primary at (0, 0) and a
# 1280 x 1024 monitor on its left, so the virtual screen starts at (-1280, 0).
# Wine must not ask XRandR (it would see one screen): the caller sets
# HKCU\Software\Wine\X11 Driver UseXRandR=N (vexa_wine_dual_monitor on).
vexa_display_start_dual() {
    vexa_display_start 3200x1080x24
    xrandr --setmonitor SMALL 1280/338x1024/270+0+0 screen >/dev/null 2>&1
    xrandr --setmonitor '*BIG' 1920/508x1080/286+1280+0 none >/dev/null 2>&1
}

# Switches Wine's XRandR use off (on) for the two-monitor display, or back.
vexa_wine_dual_monitor() {  # $1: on or off
    HOME="$VEXA_WINE_HOME" wineserver -k 2>/dev/null || true
    if [ "$1" = on ]; then
        HOME="$VEXA_WINE_HOME" wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f >/dev/null 2>&1
    else
        HOME="$VEXA_WINE_HOME" wine reg delete 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /f >/dev/null 2>&1
    fi
    HOME="$VEXA_WINE_HOME" wineserver -k 2>/dev/null || true
    vexa_wine_prepare
}
