#!/usr/bin/env bash
# Runs after every test that starts a process of its own: fails when any process those tests
# started (each carries MIRELDANTHOLM_TEST_RUN=MARKER in its environment) is still running.
# Usage: none_left.sh MARKER
set -uo pipefail
marker="MIRELDANTHOLM_TEST_RUN=$1"

left() {
  local found=1
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    [[ $pid == "$$" ]] && continue
    tr '\0' '\n' <"$environ" 2>/dev/null | grep -qxF "$marker" || continue
    [[ -r /proc/$pid/cmdline ]] || continue
    echo "$pid $(tr '\0' ' ' <"/proc/$pid/cmdline")"
    found=0
  done
  return $found
}

# A process sent its end just before may take a moment to go.
for _ in $(seq 30); do
  left >/dev/null || { echo "no process left behind"; exit 0; }
  sleep 0.1
done
echo "FAIL: processes started by the tests are still running:"
left
exit 1
