#!/usr/bin/env bash
# Runs one Windows program in the build tree's scratch prefix; used by ctest
# as the cross-compiling emulator. Usage: wine-run.sh <program.exe> [args...]
set -euo pipefail
export VELMORA_BUILD="${VELMORA_BUILD:-$(cd "$(dirname "$0")/.." && pwd)/build/x86_64}"
. "$(dirname "$0")/wine-env.sh"
velmora_wine_up
program="$(readlink -f "$1")"; shift
case "$program" in
  "$VELMORA_BUILD"/*) winpath="$VELMORA_DRIVE:${program#"$VELMORA_BUILD"}"; winpath="${winpath//\//\\}" ;;
  *) echo "wine-run: $program lies outside the build tree" >&2; exit 2 ;;
esac
dir="$(dirname "$program")"
cd "$dir"
exec "$WINELOADER" "$winpath" "$@"
