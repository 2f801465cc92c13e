#!/usr/bin/env bash
# Sets up, builds both targets, checks the 32-bit deliverables' imports and
# runs every test under Wine. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
# The import check runs first (it takes seconds) but fails the run only
# after the tests, so one run shows both.
imports=0
python3 "$root/scripts/check-imports.py" --self-test || imports=1
python3 "$root/scripts/check-imports.py" || imports=1
export VELMORA_BUILD="${VELMORA_BUILD_ROOT:-$root/build}/x86_64"
. "$root/scripts/wine-env.sh"
velmora_wine_up
trap velmora_wine_down EXIT
cd "$VELMORA_BUILD"
tests=0
# A test that fails is run once more before it counts: a few Wine services
# (the Task Scheduler above all) answer late now and then on a busy machine.
# A fault fails both runs.
ctest --output-on-failure --repeat until-pass:2 -j"$(nproc)" "$@" || tests=1
[ "$imports" = 0 ] || echo "test.sh: a 32-bit deliverable imports what its target systems lack (see check-imports above)"
[ "$imports" = 0 ] && [ "$tests" = 0 ]
