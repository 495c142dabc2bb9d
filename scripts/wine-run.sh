#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's environment; ctest uses
# it as the emulator of the win64 build.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
HOME="$VEXA_WINE_HOME" exec wine "$@"
