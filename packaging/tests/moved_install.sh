#!/usr/bin/env bash
# Installs the build into a prefix, moves the whole tree elsewhere, and checks that the moved
# program reads its icon and each of its five pictures from the moved tree (traced with strace)
# and that the installed desktop entry and metainfo pass their validators, hints included.
# Usage: moved_install.sh CMAKE BUILD_DIR APP_ID
set -euo pipefail
cmake=$1 build=$2 id=$3
for tool in strace desktop-file-validate appstreamcli; do
  command -v $tool >/dev/null || { echo "FAIL: $tool is needed"; exit 1; }
done

work=$(mktemp -d)
tracer=
# strace started on a program blocks the signals that would end it, and a killed strace only
# detaches: end the traced program itself, then wait for both.
finish() {
  set +e
  if [[ -n $tracer ]]; then
    pkill -TERM -P "$tracer" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$tracer" 2>/dev/null || break; sleep 0.1; done
    pkill -KILL -P "$tracer" 2>/dev/null
    kill -KILL "$tracer" 2>/dev/null
    wait "$tracer" 2>/dev/null
  fi
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT TERM HUP
"$cmake" --install "$build" --prefix "$work/installed" >/dev/null
mkdir "$work/elsewhere"
mv "$work/installed" "$work/elsewhere/tree"
tree=$work/elsewhere/tree

status=0
fail() { echo "FAIL: $*"; status=1; }

out=$(desktop-file-validate "$tree/share/applications/$id.desktop" 2>&1) && [[ -z $out ]] ||
  fail "desktop entry: $out"
appstreamcli validate --no-net --strict "$tree/share/metainfo/$id.metainfo.xml" || fail "metainfo"
# The entry starts and shows what the tree holds, and the metainfo launches that entry.
entry() { sed -n "s/^$1=//p" "$tree/share/applications/$id.desktop"; }
for key in Exec TryExec; do
  program=$(entry $key)
  [[ -x $tree/bin/${program%% *} ]] || fail "the entry's $key names '$program', not a program in bin/"
done
compgen -G "$tree/share/icons/hicolor/*/apps/$(entry Icon).png" >/dev/null ||
  fail "the entry's Icon names '$(entry Icon)', which no hicolor PNG has"
launches=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' \
  "$tree/share/metainfo/$id.metainfo.xml")
[[ -f $tree/share/applications/$launches ]] || fail "the metainfo launches '$launches', not installed"

env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" \
  strace -f -qq -e trace=openat -o "$work/trace" "$tree/bin/mireldantholm" >"$work/out" 2>&1 &
tracer=$!
opened() { grep -Eq "\"$tree(/bin/\.\.)?/share/$1\.png\", [^)]*\) = [0-9]+$" "$work/trace"; }
pictures=(icons/hicolor/48x48/apps/$id mireldantholm/MireldantholmTitle2
  mireldantholm/MireldantholmTitle mireldantholm/compute mireldantholm/info mireldantholm/clear)
# The About window reads its picture at once; the calculator's four follow its hand-off at 4 s.
for _ in $(seq 100); do
  all=1
  for p in "${pictures[@]}"; do opened "$p" || all=0; done
  ((all)) && break
  sleep 0.1
done
for p in "${pictures[@]}"; do opened "$p" || fail "$p.png not read from the moved tree"; done
grep -F "\"$work/installed/" "$work/trace" && fail "the moved program looked where it was installed"
grep -F "\"$build/" "$work/trace" && fail "the moved program looked into the build tree"
exit $status
