#!/usr/bin/env bash
# The free-space wipe on a real, small volume: an NTFS image made here with
# mkntfs, mounted through ntfs-3g inside the build tree, given a drive letter
# of its own in the scratch prefix. A deleted file's bytes lie in its free
# space first; afterwards the image must pass ntfsfix's check, hold nothing
# but its marker file, and none of the deleted file's bytes.
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
truncate -s 16M "$image"
mkntfs -F -Q -q "$image" >/dev/null 2>&1
# What the deleted file held: a run of one byte no pass writes.
deleted() { python3 -c "import sys; print(open(sys.argv[1], 'rb').read().count(b'Q' * 4096))" "$image"; }
ntfs-3g "$image" "$mount"
echo "test volume" > "$mount/SHREDVOL.TXT"
head -c 3000000 /dev/zero | tr '\0' 'Q' > "$mount/deleted.bin"
rm "$mount/deleted.bin"
unmount() {
  for _ in 1 2 3 4 5 6 7 8 9 10; do fusermount -u "$mount" 2>/dev/null && return 0; sleep 1; done
  echo "FAIL: the test volume stays busy"; return 1
}
unmount
[ "$(deleted)" -gt 0 ] || { echo "FAIL: the deleted file's bytes are not on the volume"; exit 1; }
ntfs-3g "$image" "$mount"
ln -sfn "$mount" "$WINEPREFIX/dosdevices/$letter:"
SHRED_FREESPACE_DRIVE="K:" "$scripts/wine-run.sh" "$tests" --gtest_brief=1 --gtest_filter='FreeSpace.*'
rm -f "$WINEPREFIX/dosdevices/$letter:"
unmount
ntfsfix -n "$image" >/dev/null || { echo "FAIL: the volume does not check clean"; ntfsfix -n "$image"; exit 1; }
ntfs-3g -o ro "$image" "$mount"
left="$(ls -A "$mount")"
unmount
[ "$left" = "SHREDVOL.TXT" ] || { echo "FAIL: the volume holds: $left"; exit 1; }
left="$(deleted)"
[ "$left" = 0 ] || { echo "FAIL: $left blocks of the deleted file's bytes are still on the volume"; exit 1; }
echo "free-space wipe: volume clean"
