#!/usr/bin/env bash
# The free-space wipe on a real, small volume: a FAT image made here with
# mkfs.fat, mounted through FUSE inside the build tree, given a drive letter
# of its own in the scratch prefix. Afterwards the image must be clean for
# fsck.fat and hold nothing but its marker file.
# Usage: free_space_test.sh <mirrowick_engine_tests.exe> <scripts folder>
set -euo pipefail
tests="$(readlink -f "$1")"
scripts="$(cd "$2" && pwd)"
build="$(dirname "$(dirname "$tests")")"
export VELMORA_BUILD="$build"
. "$scripts/wine-env.sh"
velmora_wine_up
work="$build/shred-freespace"
image="$work/volume.img"
mount="$work/mount"
letter=k
cleanup() {
  fusermount -u "$mount" 2>/dev/null || true
  rm -f "$WINEPREFIX/dosdevices/$letter:"
}
trap cleanup EXIT
cleanup
rm -rf "$work"
mkdir -p "$mount"
mkfs.fat -C "$image" 8192 >/dev/null
fusefat -o rw+ "$image" "$mount"
echo "test volume" > "$mount/SHREDVOL.TXT"
ln -sfn "$mount" "$WINEPREFIX/dosdevices/$letter:"
SHRED_FREESPACE_DRIVE="K:" "$scripts/wine-run.sh" "$tests" --gtest_brief=1 --gtest_filter='FreeSpace.*'
rm -f "$WINEPREFIX/dosdevices/$letter:"
unmount() {
  for _ in 1 2 3 4 5 6 7 8 9 10; do fusermount -u "$mount" 2>/dev/null && return 0; sleep 1; done
  echo "FAIL: the test volume stays busy"; return 1
}
unmount
fsck.fat -n "$image"
fusefat -o ro "$image" "$mount" >/dev/null
left="$(ls -A "$mount")"
unmount
[ "$left" = "SHREDVOL.TXT" ] || { echo "FAIL: the volume holds: $left"; exit 1; }
echo "free-space wipe: volume clean"
