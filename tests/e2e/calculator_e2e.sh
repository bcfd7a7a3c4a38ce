#!/usr/bin/env bash
# The built program on a real X display (Xvfb, no window manager), driven by real X events
# (xdotool) and read back through the X clipboard (xclip) and window properties (xprop): a click
# hands off from the About window, the title bars read the windows' own titles with the program's
# icon, the worked example gives .5777, R = 0 brings a message box whose Return puts the focus
# back into RyyFld, and Ctrl+Q ends the program with status 0. Exits 77 (skipped) when a tool is
# missing, unless CI=true.
set -uo pipefail

if [[ ${1:-} != --inside ]]; then
  for tool in xvfb-run xauth xdotool xclip xprop timeout; do
    command -v "$tool" >/dev/null && continue
    echo "the end-to-end test needs $tool (apt-get install xvfb xauth xdotool xclip x11-utils)"
    [[ ${CI:-} == true ]] && exit 1
    exit 77
  done
  exec timeout --kill-after=5 60 \
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" --inside "$1"
fi

export QT_QPA_PLATFORM=xcb
log=$(mktemp)
"$2" >"$log" 2>&1 &
pid=$!
trap 'kill -9 $pid 2>/dev/null; rm -f "$log"' EXIT

fail() {
  echo "FAIL: $*"
  cat "$log"
  exit 1
}
# Polls the command every 50 ms for up to `seconds`.
wait_for() {
  local tries=$(($1 * 20))
  shift
  until "$@"; do
    ((tries-- > 0)) || return 1
    sleep 0.05
  done
}
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort; }
# Matched in a variable, not by `| grep -q`: xdotool writes line by line, and under pipefail the
# SIGPIPE it gets when grep quits at WIDTH would fail the match.
window_of_width() {
  for w in $(windows); do
    [[ $'\n'$(xdotool getwindowgeometry --shell "$w")$'\n' == *$'\n'"WIDTH=$1"$'\n'* ]] &&
      { echo "$w"; return 0; }
  done
  return 1
}
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

wait_for 10 window_of_width 450 >/dev/null || fail "the About window did not open"
about=$(window_of_width 450)
xdotool mousemove --window "$about" 225 150 click 1
wait_for 3 window_of_width 560 >/dev/null || fail "no calculator window after a click"
calc=$(window_of_width 560)
window_of_width 450 && fail "the About window stayed on screen"
menu=$(($(xdotool getwindowgeometry --shell "$calc" | sed -n 's/^HEIGHT=//p') - 480))
# The title bar as a window manager reads it, and the icon it shows there.
title() { xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME([A-Z0-9_]*) = "\(.*\)"$/\1/p'; }
title_is() { [[ $(title "$1") == "$2" ]]; }
expect_title() {
  wait_for 2 title_is "$1" "$2" || fail "title bar reads '$(title "$1")', not '$2'"
  [[ $(xprop -id "$1" _NET_WM_ICON) == *"Icon (48 x 48)"* ]] || fail "'$2' carries no icon"
}
expect_title "$calc" Mireldantholm

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
