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
# A test program that ends before its tests did (ExitProcess deep in the code
# under test) would otherwise look like a pass: the test framework keeps this
# file while it runs and removes it when it finishes normally.
marker="$VELMORA_STATE/running-$$"
rm -f "$marker"
export TEST_PREMATURE_EXIT_FILE="$VELMORA_DRIVE:${marker#"$VELMORA_BUILD"}"
TEST_PREMATURE_EXIT_FILE="${TEST_PREMATURE_EXIT_FILE//\//\\}"
status=0
"$WINELOADER" "$winpath" "$@" || status=$?
if [ -e "$marker" ]; then
  rm -f "$marker"
  echo "wine-run: $(basename "$program") ended before its tests finished" >&2
  [ "$status" -ne 0 ] || status=1
fi
exit "$status"
