#!/usr/bin/env bash
# Runs after every test that starts processes, each carrying MIRELDANTHOLM_TEST_RUN=MARKER in
# its environment: fails while any of them still runs. Usage: none_left.sh MARKER
set -uo pipefail

# Each such process other than this script, with its command line.
left() {
  local found=1 pid
  for pid in $(grep -lxzsF "MIRELDANTHOLM_TEST_RUN=$1" /proc/[0-9]*/environ | cut -d/ -f3); do
    [[ $pid == "$$" ]] && continue
    echo "$pid $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)"
    found=0
  done
  return $found
}
# A process sent its end just before may take a moment to go.
for _ in $(seq 30); do
  left "$1" >/dev/null || { echo "no process left behind"; exit 0; }
  sleep 0.1
done
echo "FAIL: processes started by the tests are still running:"
left "$1"
exit 1
