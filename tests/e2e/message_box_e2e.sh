#!/usr/bin/env bash
# A message box on a real X display (Xvfb, no window manager, so nothing but the program keeps
# the box on top): the box a click on Compute opens with the fields empty is transient for the
# calculator window and centred over it, and when the About window's timer then shows the
# calculator window again, the box stays above it. Exits 77 (skipped) when a tool is missing,
# unless CI=true.
set -uo pipefail

if [[ ${1:-} != --inside ]]; then
  for tool in xvfb-run xauth xdotool xprop xwininfo xev timeout; do
    command -v "$tool" >/dev/null && continue
    echo "this test needs $tool (apt-get install xvfb xauth xdotool x11-utils)"
    [[ ${CI:-} == true ]] && exit 1
    exit 77
  done
  exec timeout --kill-after=5 60 \
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" --inside "$1"
fi

export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
"$2" >"$work/log" 2>&1 &
pid=$!
watcher=
trap '{ kill -9 $pid $watcher; wait; } 2>/dev/null; rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*"
  cat "$work/log"
  exit 1
}
wait_for() {
  local tries=$(($1 * 20))
  shift
  until "$@"; do
    ((tries-- > 0)) || return 1
    sleep 0.05
  done
}
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort; }
window_of_width() {
  for w in $(windows); do
    xdotool getwindowgeometry --shell "$w" | grep -qx "WIDTH=$1" && { echo "$w"; return 0; }
  done
  return 1
}
# X, Y, WIDTH and HEIGHT of a window, as shell assignments with the given prefix.
geometry() { xdotool getwindowgeometry --shell "$2" | grep -E '^(X|Y|WIDTH|HEIGHT)=' | sed "s/^/$1/"; }
# The root's children from the top of the stack down, as decimal ids.
stacking() {
  xwininfo -root -children | while read -r id _; do [[ $id == 0x* ]] && echo $((id)); done
}
above() { [[ $(stacking | grep -xE "$1|$2" | head -1) == "$1" ]]; }

wait_for 10 window_of_width 450 >/dev/null || fail "the About window did not open"
xdotool mousemove --window "$(window_of_width 450)" 225 150 click 1
wait_for 3 window_of_width 560 >/dev/null || fail "no calculator window after a click"
calc=$(window_of_width 560)

# Off the screen's centre, so that a box centred on the screen is told from one centred over it.
xdotool windowmove "$calc" 20 20
wait_for 3 eval 'geometry c "$calc" | grep -qx "cX=20"' || fail "the calculator window did not move"
eval "$(geometry c "$calc")"
xev -id "$calc" -event structure >"$work/events" 2>&1 &
watcher=$!

before=$(windows)
box() { comm -13 <(echo "$before") <(windows) | grep .; }
xdotool mousemove --window "$calc" 80 $((432 + cHEIGHT - 480)) click 1
wait_for 3 box >/dev/null || fail "no message box for the empty fields"
b=$(box)
[[ $(xprop -id "$b" WM_TRANSIENT_FOR) == *"# $(printf '0x%x' "$calc")" ]] ||
  fail "the box is not transient for the calculator window: $(xprop -id "$b" WM_TRANSIENT_FOR)"
eval "$(geometry b "$b")"
dx=$((bX + bWIDTH / 2 - cX - cWIDTH / 2)) dy=$((bY + bHEIGHT / 2 - cY - cHEIGHT / 2))
((dx * dx + dy * dy <= 60 * 60)) || fail "the box's centre is ($dx, $dy) from the calculator's"
above "$b" "$calc" || fail "the box opened under the calculator window"

# The About window's timer shows the calculator window again, which raises it.
wait_for 8 grep -q ConfigureNotify "$work/events" || fail "the About window's timer never showed the calculator window"
wait_for 1 above "$b" "$calc" || fail "the calculator window, shown again, buried the box"
echo passed
