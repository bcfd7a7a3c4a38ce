#!/usr/bin/env bash
# Installs the build into a prefix, moves the whole tree elsewhere, and checks that the moved
# program reads its icon and each of its five pictures from the moved tree (traced with strace),
# that the installed desktop entry and metainfo pass their validators, hints included, and name
# what the tree really holds, and that the macOS bundle's Info.plist says what it must.
# Usage: moved_install.sh CMAKE BUILD_DIR APP_ID VERSION
set -euo pipefail
cmake=$1 build=$2 id=$3 version=$4
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
for icon in {48x48,128x128,256x256}/apps/"$(entry Icon)".png scalable/apps/"$(entry Icon)".svg; do
  [[ -f $tree/share/icons/hicolor/$icon ]] || fail "the entry's icon is not installed as $icon"
done
meta=$tree/share/metainfo/$id.metainfo.xml
tag() { sed -n "s:.*<$1>\(.*\)</$1>.*:\1:p" "$meta"; }
launches=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$meta")
[[ -f $tree/share/applications/$launches ]] || fail "the metainfo launches '$launches', not installed"
[[ $(tag id) == "$id" ]] || fail "the metainfo's id is '$(tag id)', not $id"
[[ -x $tree/bin/$(tag binary) ]] || fail "the metainfo provides '$(tag binary)', not a program in bin/"
grep -q "<release version=\"$version\"" "$meta" || fail "the metainfo's release is not $version"
# The macOS bundle's Info.plist, made on every platform.
plist() { grep -A1 "<key>$1</key>" "$build/packaging/Info.plist" | sed -n 's:.*<string>\(.*\)</string>.*:\1:p; s:.*<true/>.*:true:p'; }
for pair in CFBundleIdentifier="$id" CFBundleShortVersionString="$version" NSHighResolutionCapable=true \
  LSMinimumSystemVersion=10.14 NSPrincipalClass=NSApplication; do
  [[ $(plist "${pair%%=*}") == "${pair#*=}" ]] || fail "Info.plist's ${pair%%=*} is '$(plist "${pair%%=*}")'"
done

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
