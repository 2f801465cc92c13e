#!/usr/bin/env bash
# Runs one Windows program in the build tree's scratch prefix; used by ctest
# as the cross-compiling emulator. Usage: wine-run.sh <program.exe> [args...]
set -euo pipefail
program="$(readlink -f "$1")"; shift
# The build tree is the nearest folder above the program that CMake configured.
if [ -z "${VELMORA_BUILD:-}" ]; then
  VELMORA_BUILD="$(dirname "$program")"
  while [ ! -f "$VELMORA_BUILD/CMakeCache.txt" ] && [ "$VELMORA_BUILD" != / ]; do
    VELMORA_BUILD="$(dirname "$VELMORA_BUILD")"
  done
fi
export VELMORA_BUILD
. "$(dirname "$0")/wine-env.sh"
velmora_wine_up
case "$program" in
  "$VELMORA_BUILD"/*) winpath="$VELMORA_DRIVE:${program#"$VELMORA_BUILD"}"; winpath="${winpath//\//\\}" ;;
  *) echo "wine-run: $program lies outside the build tree" >&2; exit 2 ;;
esac
dir="$(dirname "$program")"
cd "$dir"
exec "$WINELOADER" "$winpath" "$@"
