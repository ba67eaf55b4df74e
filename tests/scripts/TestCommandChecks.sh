#!/usr/bin/env bash
# The test command's own machinery, checked from inside each build's suite: the 32-bit probe
# can be forced off, and every program goes to the Wine loader of its own build (a wrong
# choice would run nothing, or the wrong build).
#   TestCommandChecks.sh SOURCE_DIR BIN_DIR POINTER_SIZE
set -uo pipefail
root=$1 bin=$2 pointer_size=$3
source "$root/scripts/wine-env.sh"

failures=0
check() {
    local what=$1 expected=$2 actual=$3
    if [ "$expected" = "$actual" ]; then
        echo "ok: $what"
    else
        echo "FAILED: $what: expected '$expected', got '$actual'"
        failures=$((failures + 1))
    fi
}

answer=$(PROJECT_NO_32BIT=1 bash "$root/scripts/probe-32bit.sh")
check "the probe forced off answers no" 1 "$?"
check "the probe forced off says why" "32-bit code not probed: PROJECT_NO_32BIT=1" "$answer"
if [ "$pointer_size" = 4 ]; then
    bash "$root/scripts/probe-32bit.sh" >/dev/null
    check "the probe agrees that this 32-bit suite can run" 0 "$?"
    own_loader=$WINE_LOADER32
else
    own_loader=$WINE_LOADER
fi

check "a program of this build" "$own_loader" "$(wine_loader_for "$bin/platform_tests.exe")"
check "a library of this build" "$own_loader" "$(wine_loader_for "$bin/afxcore.dll")"
check "a Wine program given by name" "$WINE_LOADER" "$(wine_loader_for cmd.exe)"
check "a file that is no program" "$WINE_LOADER" "$(wine_loader_for "$root/README.md")"
check "an empty file" "$WINE_LOADER" "$(wine_loader_for /dev/null)"
[ "$failures" -eq 0 ]
