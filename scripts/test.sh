#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test
# layer: portable unit tests natively (AddressSanitizer + UBSan) and under
# ThreadSanitizer, the fuzzers for a short bounded time, the unit and Windows
# tests under Wine, the end-to-end scenarios of the real program under Wine on
# a virtual display, and the shipped files (32-bit build, import check, zips,
# installer). Prints each runner's summary at the end and exits non-zero
# when any layer failed.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/scripts/setup.sh" || exit 1

summary=()
failed=0
record() {  # $1: layer name, $2: exit code, $3: log file
    local line
    line="$(grep -E '(tests passed|tests failed|PASSED|FAILED|scenarios|passed, )' "$3" | tail -n 3 | tr '\n' ' ')"
    if [ "$2" -eq 0 ]; then summary+=("PASS  $1  $line"); else summary+=("FAIL  $1  $line"); failed=1; fi
}
run_layer() {  # $1: layer name, rest: command
    local name="$1"; shift
    local log="$root/build/logs/$name.log"
    mkdir -p "$root/build/logs"
    echo "=== $name"
    "$@" 2>&1 | tee "$log"
    record "$name" "${PIPESTATUS[0]}" "$log"
}
configure_build() {  # $1: preset
    cmake --preset "$1" >/dev/null && cmake --build --preset "$1"
}

run_layer build-native configure_build native
run_layer unit-native ctest --preset native
run_layer build-tsan configure_build tsan
run_layer unit-tsan env TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" ctest --preset tsan
run_layer build-fuzz configure_build fuzz
run_layer fuzz-short ctest --preset fuzz
run_layer build-win64 configure_build win64

source "$root/scripts/wine-env.sh"
source "$root/scripts/display.sh"
vexa_display_start 1920x1080x24
vexa_wine_prepare
run_layer wine-tests ctest --preset win64
HOME="$VEXA_WINE_HOME" wineserver -k 2>/dev/null || true
vexa_display_stop

# The screen geometry again on two monitors, the left one at negative x.
vexa_display_start_dual
vexa_wine_dual_monitor on
run_layer wine-dual-monitor env VEXA_DUAL_MONITOR=1 "$root/scripts/wine-run.sh" \
    "$root/build/win64/tests/win_tests.exe" --gtest_brief=1 --gtest_filter='ScreenWinTest.*'
vexa_wine_dual_monitor off
HOME="$VEXA_WINE_HOME" wineserver -k 2>/dev/null || true
vexa_display_stop
run_layer e2e python3 "$root/tests/e2e/run_e2e.py" --exe "$root/build/win64/VexaMagnifier.exe"
run_layer e2e-toolkit python3 "$root/tests/e2e/run_showcase.py" --exe "$root/build/win64/Showcase.exe"

# What is shipped: the 32-bit build (its tests compile; this machine's Wine
# runs only 64-bit programs), the import check of both programs, the zips and
# the installer, and their scenarios under Wine.
run_layer build-win32 configure_build win32
run_layer imports python3 "$root/scripts/check-imports.py" "$root"/build/win{64,32}/{VexaMagnifier,CloseRunning}.exe
run_layer package "$root/scripts/package.sh" --wine-test-installer
version="$(sed -n 's/^VEXA_VERSION:INTERNAL=//p' "$root/build/win64/CMakeCache.txt")"
run_layer e2e-package python3 "$root/tests/e2e/run_package.py" --exe "$root/build/win64/VexaMagnifier.exe" \
    --exe64 "$root/build/package/VexaMagnifier64.exe" --zip "$root/dist/VexaMagnifier-$version-x64.zip" \
    --setup "$root/build/package/VexaMagnifier-$version-setup-amd64.exe" --version "$version"

echo
echo "=== Summary"
printf '%s\n' "${summary[@]}"
exit $failed
