#!/usr/bin/env bash
# A message box on a real X display (Xvfb, no window manager, so nothing but the program keeps
# the box on top): the box a click on Compute opens with the fields empty bears the program's
# name, is transient for the calculator window and centred over it, and when the About window's
# timer then shows the calculator window again, the box stays above it.

# Restacks of the top-level windows, watched from before the program starts, tell when the
# About timer shows the calculator window, however soon it fires.
before_program() {
  xev -root -event substructure >"$work/events" 2>&1 &
  helpers+=($!)
}
source "$(dirname "$0")/x_session.sh"

# The root's children from the top of the stack down, as decimal ids.
stacking() {
  xwininfo -root -children | while read -r id _; do [[ $id == 0x* ]] && echo $((id)); done
}
above() { [[ $(stacking | grep -xE "$1|$2" | head -1) == "$1" ]]; }

hand_off_to_calculator

# Off the screen's centre, so that a box centred on the screen is told from one centred over it.
xdotool windowmove "$calc" 20 20
moved() { [[ $'\n'$(geometry c "$calc")$'\n' == *$'\n'cX=20$'\n'* ]]; }
wait_for 3 moved || fail "the calculator window did not move"
eval "$(geometry c "$calc")"

before=$(windows)
box() { comm -13 <(echo "$before") <(windows) | grep .; }
xdotool mousemove --window "$calc" 80 $((432 + menu)) click 1
wait_for 3 box >/dev/null || fail "no message box for the empty fields"
b=$(box)
[[ $(xprop -id "$b" WM_TRANSIENT_FOR) == *"# $(printf '0x%x' "$calc")" ]] ||
  fail "the box is not transient for the calculator window: $(xprop -id "$b" WM_TRANSIENT_FOR)"
[[ $(xprop -id "$b" _NET_WM_NAME) == *' = "Mireldantholm"' ]] ||
  fail "the box's title bar reads $(xprop -id "$b" _NET_WM_NAME)"
eval "$(geometry b "$b")"
dx=$((bX + bWIDTH / 2 - cX - cWIDTH / 2)) dy=$((bY + bHEIGHT / 2 - cY - cHEIGHT / 2))
((dx * dx + dy * dy <= 60 * 60)) || fail "the box's centre is ($dx, $dy) from the calculator's"
above "$b" "$calc" || fail "the box opened under the calculator window"

# The About window's timer shows the calculator window again, which raises it.
restacked_after_box() {
  awk -v box="$(printf '0x%x' "$b")" -v calc="$(printf '0x%x' "$calc")" '
    /^[A-Za-z]+ event,/ { event = $1 }
    event == "MapNotify" && index($0, "window " box ",") { mapped = 1 }
    event == "ConfigureNotify" && mapped && index($0, ", window " calc ",") { found = 1 }
    END { exit !found }' "$work/events"
}
wait_for 8 restacked_after_box || fail "the About window's timer did not show the calculator window while the box was open"
wait_for 1 above "$b" "$calc" || fail "the calculator window, shown again, buried the box"
echo passed
