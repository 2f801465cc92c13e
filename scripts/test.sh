#!/usr/bin/env bash
# Sets up, builds both targets and runs every test under Wine.
# Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
export VELMORA_BUILD="${VELMORA_BUILD_ROOT:-$root/build}/x86_64"
. "$root/scripts/wine-env.sh"
velmora_wine_up
trap velmora_wine_down EXIT
cd "$VELMORA_BUILD"
ctest --output-on-failure -j"$(nproc)" "$@"
