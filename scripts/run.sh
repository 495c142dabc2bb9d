#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it under Wine on the
# current X display. With no display it runs a demo on a virtual one: the
# trigger key is held and a before and a during screenshot go into out/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/scripts/setup.sh"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target VexaMagnifier
source "$root/scripts/wine-env.sh"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    vexa_wine_prepare
    HOME="$VEXA_WINE_HOME" exec wine "$root/build/win64/VexaMagnifier.exe" "$@"
fi
exec python3 "$root/tests/e2e/demo.py" --exe "$root/build/win64/VexaMagnifier.exe" --out "$root/out"
