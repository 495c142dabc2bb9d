# Sourced: the Wine environment every run uses. The prefix and HOME live in the
# build tree so that nothing outside it is touched and a clean clone starts fresh.
vexa_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${VEXA_WINEPREFIX:-$vexa_root/build/wine/prefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export VEXA_WINE_HOME="$vexa_root/build/wine/home"
mkdir -p "$VEXA_WINE_HOME" "$(dirname "$WINEPREFIX")"

# Creates the prefix once, starts a persistent server and warms it: without the
# warm-up ctest can hang on Wine's services holding its output pipe open.
vexa_wine_prepare() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        HOME="$VEXA_WINE_HOME" wineboot -i </dev/null >/dev/null 2>&1 || true
    fi
    # Right after wineboot created the prefix its server may still be going
    # away, and the persistent one cannot start until it has: try again.
    local attempt
    for attempt in 1 2 3 4 5; do
        HOME="$VEXA_WINE_HOME" wineserver -p && break
        sleep 1
    done
    HOME="$VEXA_WINE_HOME" wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}
