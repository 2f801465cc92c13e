#!/usr/bin/env bash
# Configures and builds both targets: build/i686 (the product) and
# build/x86_64 (the same code plus the tests). VELMORA_BUILD_ROOT moves
# both folders elsewhere.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# build.sh                       both targets, everything
# build.sh <arch> <target>...    one target folder, only the named targets
archs=(i686 x86_64)
targets=()
if [ $# -gt 0 ]; then
  archs=("$1"); shift
  targets=("$@")
fi
for arch in "${archs[@]}"; do
  dir="${VELMORA_BUILD_ROOT:-$root/build}/$arch"
  # Configure every time: folders appear as the suite grows, and the
  # top-level list picks up only those present at configure time.
  # A build folder made with other compilers is made anew: CMake would keep
  # objects the old compilers built.
  stamp="$(cat "$root/cmake/toolchain-$arch.cmake" "$root/cmake/mingw-common.cmake" | sha1sum)"
  if [ -f "$dir/CMakeCache.txt" ] && [ "$(cat "$dir/toolchain.stamp" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$dir"
  fi
  extra=()
  [ "$arch" = x86_64 ] && extra=(-DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh")
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" "${extra[@]}" >/dev/null
  echo "$stamp" >"$dir/toolchain.stamp"
  if [ ${#targets[@]} -gt 0 ]; then
    cmake --build "$dir" -j"$(nproc)" --target "${targets[@]}"
  else
    cmake --build "$dir" -j"$(nproc)"
  fi
done
