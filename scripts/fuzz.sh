#!/usr/bin/env bash
# Builds the fuzz targets natively (clang, libFuzzer, address and
# undefined-behaviour sanitizers) and runs them on their seed corpora.
#
#   fuzz.sh --short             every target over its corpus and 5,000 runs (the
#                               test command runs this; fails on any finding)
#   fuzz.sh --long [minutes]    every target for the given time (default 10),
#                               in parallel on the machine's cores; prints the
#                               runs and coverage per target and keeps each
#                               crash input under <build>/fuzz/crashes/
#
# VELMORA_BUILD_ROOT moves the build folder as for the other scripts.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mode="${1:---short}"
minutes="${2:-10}"
build="${VELMORA_BUILD_ROOT:-$root/build}/fuzz"

command -v clang++ >/dev/null || { echo "fuzz: clang++ is missing (scripts/setup.sh installs it)" >&2; exit 1; }
cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
read -r -a targets <<<"$(tr ';' ' ' <"$build/targets.txt")"

# One target: new inputs go to a scratch corpus, the seeds stay as they are.
run_one() {
  local name="$1"; shift
  local work="$build/work/$name" crashes="$build/crashes/$name"
  mkdir -p "$work" "$crashes"
  "$build/${name}_fuzz" "$work" "$root/fuzz/corpus/$name" -artifact_prefix="$crashes/" \
    -max_len=65536 -print_final_stats=1 "$@" >"$build/$name.log" 2>&1
}

case "$mode" in
  --short)
    failed=0
    for name in "${targets[@]}"; do
      if run_one "$name" -runs=5000 -seed=1; then
        echo "fuzz: $name ok ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$build/$name.log" | grep -o '[0-9]*$') runs)"
      else
        echo "fuzz: $name FAILED; input kept in $build/crashes/$name/, log $build/$name.log" >&2
        tail -n 30 "$build/$name.log" >&2
        failed=1
      fi
    done
    exit $failed
    ;;
  --long)
    export -f run_one
    export build root
    seconds=$((minutes * 60))
    printf '%s\n' "${targets[@]}" |
      xargs -P "$(nproc)" -I{} bash -c "run_one {} -max_total_time=$seconds || echo 'fuzz: {} found a fault' >&2"
    printf '%-16s %12s %8s %8s\n' target runs cov ft
    for name in "${targets[@]}"; do
      runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/$name.log" | grep -o '[0-9]*$' || true)
      last=$(grep -E '^#[0-9]+' "$build/$name.log" | tail -n 1 || true)
      cov=$(sed -n 's/.*cov: \([0-9]*\).*/\1/p' <<<"$last"); ft=$(sed -n 's/.*ft: \([0-9]*\).*/\1/p' <<<"$last")
      printf '%-16s %12s %8s %8s\n' "$name" "${runs:-?}" "${cov:-?}" "${ft:-?}"
    done
    # A unit libFuzzer found slow is kept to look at but is no fault: on a
    # busy machine any input can stall for seconds.
    slow=$(find "$build/crashes" -type f -name 'slow-unit-*' | wc -l)
    found=$(find "$build/crashes" -type f ! -name 'slow-unit-*' | wc -l)
    echo "fuzz: $found crash input(s) and $slow slow input(s) kept under $build/crashes"
    [ "$found" -eq 0 ]
    ;;
  *) sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2 ;;
esac
