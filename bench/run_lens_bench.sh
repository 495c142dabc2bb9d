#!/usr/bin/env bash
# Builds the Windows benchmarks and runs the lens benchmark under Wine on a
# 1920 x 1080 and on a 3840 x 2160 virtual display.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
cmake --preset bench-win64 >/dev/null
cmake --build --preset bench-win64 --target LensWinBench
source "$root/scripts/wine-env.sh"
source "$root/scripts/display.sh"
for size in 1920x1080x24 3840x2160x24; do
    # Timings depend on what else the machine runs: say how busy it was.
    echo "display $size; load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
    HOME="$VEXA_WINE_HOME" wineserver -k 2>/dev/null || true
    vexa_display_start "$size"
    vexa_wine_prepare
    "$root/scripts/wine-run.sh" "$root/build/bench-win64/bench/LensWinBench.exe"
    HOME="$VEXA_WINE_HOME" wineserver -k 2>/dev/null || true
    vexa_display_stop
done
