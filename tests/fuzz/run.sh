#!/usr/bin/env bash
# Runs each fuzz target of a fuzz build for a while, on the seed corpus and what earlier runs
# found, and prints its executions and crashes. Exits non-zero when a target found a crash, a
# leak, a timeout or ran out of memory; the input that did it is left in BUILD_DIR/artifacts/.
# Usage: tests/fuzz/run.sh BUILD_DIR [SECONDS_PER_TARGET]
set -uo pipefail

build=${1:?usage: run.sh BUILD_DIR [SECONDS_PER_TARGET]}
seconds=${2:-60}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$here/../lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
for target in compute_fuzzer key_filter_fuzzer; do
  corpus=$build/corpus/$target
  artifacts=$build/artifacts/$target
  log=$build/$target.log
  mkdir -p "$corpus" "$artifacts"
  rm -f "$artifacts"/*
  "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$corpus" "$here/corpus/$target" >"$log" 2>&1
  code=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  per_second=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  crashes=$(find "$artifacts" -type f | wc -l)
  printf '%-18s %3s s: %s executions (%s/s), %s crashes, corpus %s inputs\n' "$target" "$seconds" \
    "${executions:-0}" "${per_second:-0}" "$crashes" "$(find "$corpus" -type f | wc -l)"
  if ((code != 0 || crashes > 0)); then
    echo "--- $target failed (exit $code); the end of $log:"
    tail -n 40 "$log"
    status=1
  fi
done
exit $status
