# Sourced by the end-to-end tests, which run as `SCRIPT PROGRAM [ARGS]`: checks the tools (exit
# 77, skipped, when one is missing, unless CI=true), runs the script again under a time limit,
# starts a private Xvfb (no window manager; the server picks a free display itself, so tests
# running side by side never share one), starts PROGRAM on it, and gives the helpers that drive
# it with real X events. Every process started here ends with the script.
set -uo pipefail

if [[ ${1:-} != --inside ]]; then
  for tool in Xvfb xdotool xclip xprop xwininfo xev timeout; do
    command -v "$tool" >/dev/null && continue
    echo "the end-to-end tests need $tool (apt-get install xvfb xdotool xclip x11-utils)"
    [[ ${CI:-} == true ]] && exit 1
    exit 77
  done
  exec timeout --kill-after=5 60 bash "$0" --inside "$@"
fi
shift

work=$(mktemp -d)
server= pid= helpers=()
trap 'exit 143' TERM INT HUP
trap '{ kill -9 $pid "${helpers[@]}"; kill $server; wait; } 2>/dev/null; rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*"
  cat "$work/log" 2>/dev/null
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

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb" 2>&1 &
server=$!
wait_for 10 grep -qs . "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb")"
export DISPLAY=:$(head -1 "$work/display") QT_QPA_PLATFORM=xcb
# A test may watch the display from before the program starts.
if declare -F before_program >/dev/null; then before_program; fi
"$1" >"$work/log" 2>&1 &
pid=$!

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
# X, Y, WIDTH and HEIGHT of a window, as shell assignments with the given prefix.
geometry() { xdotool getwindowgeometry --shell "$2" | grep -E '^(X|Y|WIDTH|HEIGHT)=' | sed "s/^/$1/"; }

# A click on the About window hands off to the calculator window: sets `calc`, and `menu`, the
# height of its menu bar above the content.
hand_off_to_calculator() {
  wait_for 10 window_of_width 450 >/dev/null || fail "the About window did not open"
  xdotool mousemove --window "$(window_of_width 450)" 225 150 click 1
  wait_for 3 window_of_width 560 >/dev/null || fail "no calculator window after a click"
  calc=$(window_of_width 560)
  window_of_width 450 && fail "the About window stayed on screen"
  menu=$(($(xdotool getwindowgeometry --shell "$calc" | sed -n 's/^HEIGHT=//p') - 480))
}
