#!/usr/bin/env bash
# Runs one benchmark program of the x86_64 build under Wine, in the build
# tree's scratch prefix, and ends that Wine and its display when it is done:
#
#   bench/wine-bench.sh proxy_bench [stream|pages|idle|privacy]...
#   bench/wine-bench.sh shred_bench
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ $# -lt 1 ]; then
  echo "usage: $0 <benchmark> [arguments...]" >&2
  exit 2
fi
export VELMORA_BUILD="${VELMORA_BUILD_ROOT:-$root/build}/x86_64"
program="$VELMORA_BUILD/bin/bench/$1.exe"
shift
if [ ! -f "$program" ]; then
  echo "wine-bench: $program is missing (scripts/build.sh builds it)" >&2
  exit 1
fi
. "$root/scripts/wine-env.sh"
velmora_wine_up
trap velmora_wine_down EXIT
"$root/scripts/wine-run.sh" "$program" "$@"
