#!/usr/bin/env bash
# The built program driven by real X events and read back through the clipboard and window
# properties: the hand-off, titles, icon and window class (the entry's StartupWMClass), .5777 for
# the worked example, R = 0's box whose Return puts the focus back into RyyFld, and Ctrl+Q.
# Usage: calculator_e2e.sh PROGRAM DESKTOP_ENTRY
source "$(dirname "$0")/x_session.sh"

press() { xdotool key --clearmodifiers "$@"; sleep 0.1; }
type_keys() { xdotool type --delay 40 "$1"; sleep 0.1; }
click_at() { xdotool mousemove --window "$calc" "$1" $(($2 + menu)) click 1; sleep 0.1; }
clipboard_is() { [[ $(xclip -o -selection clipboard 2>/dev/null) == "$1" ]]; }
# xclip's forked child claims the clipboard after the parent returns: wait until it holds it, or a
# late claim would overwrite the program's copy.
mark_clipboard() {
  echo marker | xclip -selection clipboard -i
  wait_for 3 clipboard_is marker || fail "the clipboard did not take the marker"
}

hand_off_to_calculator
# The title bar as a window manager reads it, and the icon it shows there.
title() { xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME([A-Z0-9_]*) = "\(.*\)"$/\1/p'; }
title_is() { [[ $(title "$1") == "$2" ]]; }
expect_title() {
  wait_for 2 title_is "$1" "$2" || fail "title bar reads '$(title "$1")', not '$2'"
  [[ $(xprop -id "$1" _NET_WM_ICON) == *"Icon (48 x 48)"* ]] || fail "'$2' carries no icon"
}
expect_title "$calc" Mireldantholm
# Docks match the windows to the desktop entry by their class.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$2")
[[ $(xprop -id "$calc" WM_CLASS) == *\"$wm_class\"* ]] ||
  fail "$(xprop -id "$calc" WM_CLASS), not the entry's StartupWMClass '$wm_class'"

click_at 127 210; type_keys 13
click_at 278 210; type_keys 9
click_at 433 210; type_keys .44
click_at 80 432
mark_clipboard
click_at 278 309; press ctrl+a ctrl+c
wait_for 3 clipboard_is .5777 || fail "result '$(xclip -o -selection clipboard)', not .5777"

# R = 0: a message box takes the focus; after Return the keys typed go into RyyFld.
before=$(windows)
click_at 278 210; press ctrl+a; type_keys 0
click_at 127 210; click_at 80 432
box() { comm -13 <(echo "$before") <(windows) | grep .; }
wait_for 3 box >/dev/null || fail "no message box for R = 0"
press Return
wait_for 3 eval '! box >/dev/null' || fail "the message box did not close on Return"
press ctrl+a; type_keys 13
click_at 80 432
mark_clipboard
click_at 278 309; press ctrl+a ctrl+c
wait_for 3 clipboard_is .4400 || fail "after R = 13 the result is '$(xclip -o -selection clipboard)'"

click_at 280 432
help=
for _ in $(seq 60); do help=$(window_of_width 550) && break; sleep 0.05; done
[[ -n $help ]] || fail "no help window after a click on Help"
expect_title "$help" "Vontrelaxis Info"

press ctrl+q
wait_for 5 eval '! kill -0 $pid 2>/dev/null' || fail "Ctrl+Q did not end the program"
wait $pid || fail "the program ended with status $?"
echo passed
