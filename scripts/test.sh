#!/usr/bin/env bash
# The one test command: installs what is missing, builds both targets (warnings are
# errors on both), then runs every test under Wine on the x86_64 build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" i686
bash "$root/scripts/build.sh" x86_64

source "$root/scripts/session.sh"
start_session
cd "${BUILD_ROOT:-$root/build}/x86_64"
ctest --output-on-failure -j2 "$@"
