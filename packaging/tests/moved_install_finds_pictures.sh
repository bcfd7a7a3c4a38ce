#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves the installed tree elsewhere, starts the
# moved executable headless under strace and checks that it read each of its five pictures
# from the moved tree's share/mireldantholm/, and its window icon from the moved tree's
# share/icons/, so the installed tree is relocatable.
# Usage: moved_install_finds_pictures.sh CMAKE BUILD_DIR SOURCE_PICTURE_DIR APP_ID
set -euo pipefail
cmake=$1 build=$2 source_pictures=$3 id=$4
pictures=(MireldantholmTitle2 compute clear info MireldantholmTitle)

command -v strace >/dev/null || { echo "FAIL: strace is needed (Debian package strace)"; exit 1; }

work=$(mktemp -d)
pid=""
cleanup() {
  if [[ -n $pid ]]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

"$cmake" --install "$build" --prefix "$work/installed" >/dev/null
mkdir -p "$work/elsewhere/deeper"
mv "$work/installed" "$work/elsewhere/deeper/tree"
tree=$work/elsewhere/deeper/tree

# The installed pictures are the ten source files, each at 1x and 2x.
count=0
for file in "$source_pictures"/*.png; do
  cmp -s "$file" "$tree/share/mireldantholm/$(basename "$file")" ||
    { echo "FAIL: share/mireldantholm/$(basename "$file") is missing or differs from the source"; exit 1; }
  count=$((count + 1))
done
[[ $count -eq 10 ]] || { echo "FAIL: expected 10 source pictures, found $count"; exit 1; }

# The About window reads its picture at start; the calculator window reads the other four
# when the About window's four-second timer hands off to it. Wait for all five, not a fixed time.
trace=$work/trace
pidfile=$work/pid
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" \
  strace -f -qq -e trace=openat,access -o "$trace" \
  bash -c 'echo $$ >"$0"; exec "$1"' "$pidfile" "$tree/bin/mireldantholm" >"$work/out" 2>&1 &
strace_pid=$!

# Paths as the program builds them: the folder beside bin/, possibly written as bin/../share.
root_re=$(printf '%s' "$tree" | sed 's/[.[\*^$/]/\\&/g')
folder_re="$root_re(/bin/\\.\\.)?/share/mireldantholm"
opened() {  # an openat of the 1x or 2x file that returned a descriptor
  grep -Eq "openat\\(AT_FDCWD, \"$folder_re/$1(@2x)?\\.png\", [^)]*\\) = [0-9]+\$" "$trace" 2>/dev/null
}
all_opened() {
  local name
  for name in "${pictures[@]}"; do opened "$name" || return 1; done
}

for _ in $(seq 1 150); do
  [[ -z $pid && -s $pidfile ]] && pid=$(cat "$pidfile")
  all_opened && break
  if ! kill -0 "$strace_pid" 2>/dev/null; then
    echo "FAIL: the moved program ended early; its output:"; cat "$work/out"; exit 1
  fi
  sleep 0.1
done
[[ -n $pid ]] && kill "$pid" 2>/dev/null || true
wait "$strace_pid" 2>/dev/null || true
pid=""

status=0
for name in "${pictures[@]}"; do
  if opened "$name"; then
    echo "ok: $name read from the moved tree"
  else
    echo "FAIL: $name.png was not read from $tree/share/mireldantholm/"; status=1
  fi
  # A 1x name missing from the moved tree, or failing to open there, means the lookup went wrong.
  if grep -Eq "\"$folder_re/$name\\.png\", .*= -1 " "$trace"; then
    echo "FAIL: looking for $name.png in the moved tree failed:"; grep -E "$folder_re/$name\\.png" "$trace"; status=1
  fi
done
# The icon is read as the program starts, before any picture.
if grep -Eq "openat\\(AT_FDCWD, \"$root_re(/bin/\\.\\.)?/share/icons/hicolor/48x48/apps/$id\\.png\", [^)]*\\) = [0-9]+\$" "$trace"; then
  echo "ok: the window icon read from the moved tree"
else
  echo "FAIL: the window icon was not read from $tree/share/icons/"; status=1
fi
# Nothing may come from where the tree was installed first, nor from the build tree.
for gone in "$work/installed" "$build/share" "$build/bin"; do
  if grep -F "\"$gone/" "$trace"; then
    echo "FAIL: the moved program opened files under $gone"; status=1
  fi
done
[[ $status -eq 0 ]] || { echo "--- every picture the program tried:"; grep -E '\.png"' "$trace" || true; }
exit $status
