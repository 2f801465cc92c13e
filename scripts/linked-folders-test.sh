#!/usr/bin/env bash
# Runs tests beside linked folders: Unix symbolic links to a folder, which
# Wine shows as reparse-point folders (Wine cannot make one itself), made
# here inside the scratch prefix of the build tree. The folder, named to the
# tests in VELMORA_LINK_FOLDER, holds "sibling", "walk" with "walk\link"
# leading to "sibling", and "alone" leading there too. Given a drive letter,
# the folder is that drive as well (VELMORA_LINK_DRIVE, "W:"): a second
# spelling of every path in it.
# Usage: linked-folders-test.sh <tests.exe> <gtest filter> [letter]
set -euo pipefail
tests="$(readlink -f "$1")"
scripts="$(cd "$(dirname "$0")" && pwd)"
build="$(dirname "$(dirname "$tests")")"
export VELMORA_BUILD="$build"
. "$scripts/wine-env.sh"
velmora_wine_up
name="$(basename "$tests" .exe)"
work="$WINEPREFIX/drive_c/velmora-tests/links-$name"
letter="${3:-}"
cleanup() {
  rm -rf "$work"
  if [ -n "$letter" ]; then rm -f "$WINEPREFIX/dosdevices/$letter:"; fi
}
trap cleanup EXIT
cleanup
mkdir -p "$work/walk" "$work/sibling"
ln -s ../sibling "$work/walk/link"
ln -s sibling "$work/alone"
if [ -n "$letter" ]; then
  ln -sfn "$work" "$WINEPREFIX/dosdevices/$letter:"
  export VELMORA_LINK_DRIVE="${letter^^}:"
fi
VELMORA_LINK_FOLDER="C:\\velmora-tests\\links-$name" \
  "$scripts/wine-run.sh" "$tests" --gtest_brief=1 --gtest_filter="$2"
