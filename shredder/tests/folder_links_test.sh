#!/usr/bin/env bash
# Folder walks beside linked folders: Unix symbolic links to a folder,
# which Wine shows as a reparse-point folder (Wine cannot make one itself),
# made here inside the scratch prefix of the build tree.
# Usage: folder_links_test.sh <mirrowick_engine_tests.exe> <scripts folder>
set -euo pipefail
tests="$(readlink -f "$1")"
scripts="$(cd "$2" && pwd)"
build="$(dirname "$(dirname "$tests")")"
export VELMORA_BUILD="$build"
. "$scripts/wine-env.sh"
velmora_wine_up
work="$WINEPREFIX/drive_c/velmora-tests/shred-links"
trap 'rm -rf "$work"' EXIT
rm -rf "$work"
mkdir -p "$work/walk" "$work/sibling"
ln -s ../sibling "$work/walk/link"
ln -s sibling "$work/alone"
SHRED_LINK_FOLDER='C:\velmora-tests\shred-links' \
  "$scripts/wine-run.sh" "$tests" --gtest_brief=1 --gtest_filter='FolderLinks.*'
