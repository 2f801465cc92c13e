#!/usr/bin/env bash
# Makes FAT16, FAT32, FAT12 and NTFS images inside the build tree's scratch
# prefix, plants files holding a marker (and, on FAT, a volume label that is
# not the root's first entry), maps each image to a drive letter of this
# test's own through the prefix's dosdevices links, runs the image tests of
# shredder_drive_tests under Wine and checks the wiped FAT images with
# fsck.fat. No link is made over one that exists, and a link that does not
# lead to its image stops the test before Wine starts.
# Usage: drive_images_test.sh <shredder_drive_tests.exe> <scripts folder>
set -euo pipefail
exe="$(readlink -f "$1")"
scripts="$(cd "$2" && pwd)"
VELMORA_BUILD="$(dirname "$exe")"
while [ ! -f "$VELMORA_BUILD/CMakeCache.txt" ] && [ "$VELMORA_BUILD" != / ]; do
  VELMORA_BUILD="$(dirname "$VELMORA_BUILD")"
done
export VELMORA_BUILD
. "$scripts/wine-env.sh"
velmora_wine_up

export PATH="$PATH:/usr/sbin:/sbin"
for tool in mkfs.fat fsck.fat mcopy mmd mlabel mkntfs ntfscp; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (dosfstools, mtools, ntfs-3g)"; exit 1; }
done

dir="$WINEPREFIX/drive_c/velmora-tests/shredder-drive-images"
devices="$WINEPREFIX/dosdevices"
# letter image file-system-name
drives="r fat16 FAT
s fat32 FAT32
t ntfs NTFS
u fat12 FAT"
made=()

fail() { echo "FAIL: $*"; exit 1; }
cleanup() {
  # Only links that lead into this test's folder are ours to remove.
  for link in "${made[@]}"; do
    case "$(readlink "$link" 2>/dev/null)" in "$dir"/*) rm -f "$link" ;; esac
  done
}
trap cleanup EXIT

rm -rf "$dir"
mkdir -p "$dir/work"
export MTOOLS_SKIP_CHECK=1
marker="SHREDDRIVE-MARKER"
# Files of several sizes: some fill whole clusters, some are small enough
# to live inside an NTFS file record.
python3 - "$dir/work" "$marker" <<'PY'
import sys
folder, marker = sys.argv[1], sys.argv[2]
for name, size in (("big", 70000), ("small", 300), ("tiny", 40)):
    data = (marker * (size // len(marker) + 1)).encode()[:size]
    open(f"{folder}/{name}.bin", "wb").write(data)
PY

plant_fat() {  # image
  mcopy -i "$1" "$dir/work/big.bin" ::/BIG.BIN
  mcopy -i "$1" "$dir/work/small.bin" "::/a file with a long name.bin"
  mmd -i "$1" ::/SUB
  mcopy -i "$1" "$dir/work/tiny.bin" ::/SUB/TINY.BIN
  mcopy -i "$1" "$dir/work/big.bin" ::/SUB/BIG2.BIN
  mlabel -i "$1" ::WIPETEST
}

mkfs.fat -F 16 -C "$dir/fat16.img" 20480 >/dev/null
plant_fat "$dir/fat16.img"
mkfs.fat -F 32 -s 1 -C "$dir/fat32.img" 34816 >/dev/null
plant_fat "$dir/fat32.img"
mkfs.fat -F 12 -C "$dir/fat12.img" 1440 >/dev/null
mcopy -i "$dir/fat12.img" "$dir/work/small.bin" ::/SMALL.BIN
truncate -s 24M "$dir/ntfs.img"
mkntfs -F -f -q -L WIPETEST "$dir/ntfs.img" >/dev/null 2>&1
ntfscp -f "$dir/ntfs.img" "$dir/work/big.bin" marker-big.bin >/dev/null
ntfscp -f "$dir/ntfs.img" "$dir/work/small.bin" marker-small.bin >/dev/null
for name in fat16 fat32; do
  fsck.fat -n "$dir/$name.img" >/dev/null || fail "$name.img is not clean before the wipe"
done

: >"$dir/drives.txt"
while read -r letter name fs; do
  cp "$dir/$name.img" "$dir/$name.orig"
  mkdir -p "$dir/root-$letter"
  for link in "$devices/$letter:" "$devices/$letter::"; do
    [ -L "$link" ] || [ -e "$link" ] || continue
    # Left behind by an earlier run that was killed: ours to replace.
    case "$(readlink "$link")" in
      "$dir"/*) rm -f "$link" ;;
      *) fail "$link exists already and is not this test's; not replacing it" ;;
    esac
  done
  ln -s "$dir/root-$letter" "$devices/$letter:"
  made+=("$devices/$letter:")
  ln -s "$dir/$name.img" "$devices/$letter::"
  made+=("$devices/$letter::")
  [ "$(readlink -f "$devices/$letter::")" = "$(readlink -f "$dir/$name.img")" ] ||
    fail "$letter:: does not lead to $name.img"
  echo "${letter^^} $name $fs" >>"$dir/drives.txt"
done <<<"$drives"

SHREDDRIVE_IMAGES='C:\velmora-tests\shredder-drive-images' \
  "$scripts/wine-run.sh" "$exe" --gtest_brief=1 --gtest_filter='DriveImages.*'

for name in fat16 fat32; do
  fsck.fat -n "$dir/$name.img" || fail "fsck.fat finds $name.img damaged after the wipe"
done
cmp -s "$dir/fat12.img" "$dir/fat12.orig" || fail "the refused FAT12 image changed"
echo "wiped images are clean"
