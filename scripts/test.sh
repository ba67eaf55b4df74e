#!/usr/bin/env bash
# The one test command: installs what is missing, builds both targets (warnings are errors
# on both), then runs the whole suite under Wine on every build this machine can run: the
# x86_64 build always, the shipped i686 build where 32-bit code runs (scripts/probe-32bit.sh;
# PROJECT_NO_32BIT=1 skips it). Arguments go to both CTest runs. The last two lines name the
# builds tested (or say why i686 was only compiled and linked) and count every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_root="${BUILD_ROOT:-$root/build}"
bash "$root/scripts/install-deps.sh"
source "$root/scripts/wine-env.sh"

# The i686 tests are built only where they can run: 32-bit code runs and wine32 is there.
runs_i686=""
if why_not_i686=$(bash "$root/scripts/probe-32bit.sh"); then
    if [ -x "$WINE_LOADER32" ]; then
        runs_i686=1
    else
        why_not_i686="32-bit code runs, but wine32 is not installed"
    fi
fi
PROJECT_TESTS=$([ -n "$runs_i686" ] && echo ON || echo OFF) bash "$root/scripts/build.sh" i686
PROJECT_TESTS=ON bash "$root/scripts/build.sh" x86_64

source "$root/scripts/session.sh"
start_session
arches=(x86_64)
if [ -n "$runs_i686" ]; then arches+=(i686); fi

# One CTest run per build, one after the other: tests that drive the real mouse run alone
# on the shared display. Each run's own summary line gives its counts.
passed=0 total=0 status=0 builds=()
for arch in "${arches[@]}"; do
    echo "=== tests of the $arch build ==="
    log="$build_root/$arch/ctest.log"
    (cd "$build_root/$arch" && ctest --output-on-failure -j2 "$@") | tee "$log" || status=1
    counts=$(grep -Eo '[0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
    failed=$(echo "$counts" | awk '{print $1}')
    all=$(echo "$counts" | awk '{print $NF}')
    failed=${failed:-0} all=${all:-0}
    passed=$((passed + all - failed)) total=$((total + all))
    builds+=("$arch $((all - failed))/$all")
done

if [ -n "$runs_i686" ]; then
    tested="both builds tested"
else
    tested="i686 compiled and linked only: $why_not_i686"
fi
summary=$(IFS=,; echo "${builds[*]}" | sed 's/,/, /g')
echo "builds: $summary; $tested"
echo "summary: $passed passed, $((total - passed)) failed"
exit "$status"
