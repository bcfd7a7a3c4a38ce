#!/usr/bin/env bash
# Installs the build into a temporary prefix and validates what a desktop and a software
# centre read there: the desktop entry (desktop-file-validate), the AppStream metainfo
# (appstreamcli, offline, failing on warnings and infos too) and the icons that both name.
# Usage: installed_files_validate.sh CMAKE BUILD_DIR APP_ID
set -euo pipefail
cmake=$1 build=$2 id=$3

for tool in desktop-file-validate:desktop-file-utils appstreamcli:appstream python3:python3; do
  command -v "${tool%%:*}" >/dev/null || { echo "FAIL: ${tool%%:*} is needed (Debian package ${tool#*:})"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
status=0
fail() { echo "FAIL: $*"; status=1; }

# desktop-file-validate exits non-zero on errors only; its warnings and hints (such as "more than
# one main category", which lists the program twice in menus) count as failures here.
if ! out=$(desktop-file-validate "$desktop" 2>&1) || [[ -n $out ]]; then
  fail "desktop-file-validate:"; echo "$out"
else
  echo "ok: desktop-file-validate $id.desktop"
fi

if ! out=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1); then
  fail "appstreamcli validate:"; echo "$out"
else
  echo "ok: appstreamcli validate --no-net --strict $id.metainfo.xml"
fi

# The installed tree as a whole: the metainfo's launchable must find its desktop entry.
if ! out=$(appstreamcli validate-tree --no-net "$prefix" 2>&1); then
  fail "appstreamcli validate-tree:"; echo "$out"
else
  echo "ok: appstreamcli validate-tree --no-net on the installed prefix"
fi

# Entries a launcher needs, with the values the program is installed under.
key() { sed -n "s/^$1=//p" "$desktop"; }
[[ $(key Exec) == mireldantholm ]] || fail "Exec is '$(key Exec)', not the installed executable's name"
[[ -x $prefix/bin/$(key Exec) ]] || fail "Exec names no executable in bin/"
[[ $(key Icon) == "$id" ]] || fail "Icon is '$(key Icon)', not $id"
[[ $(key Name) == Mireldantholm ]] || fail "Name is '$(key Name)'"
[[ $(key Terminal) == false ]] || fail "Terminal is '$(key Terminal)'"
# Qt names the window class after the executable; docks match windows to this entry by it.
[[ $(key StartupWMClass) == "$(key Exec)" ]] || fail "StartupWMClass '$(key StartupWMClass)' is not the executable's name"
[[ $(key Categories) == *Education\;* ]] || fail "Categories '$(key Categories)' lacks Education"

# The metainfo names this desktop entry and this release; each icon is where the theme
# looks and has the size its folder says.
python3 - "$prefix" "$id" <<'PY' || status=1
import pathlib, struct, sys, xml.etree.ElementTree as ET
prefix, app_id = pathlib.Path(sys.argv[1]), sys.argv[2]
failed = False
def check(ok, message):
    global failed
    if not ok:
        print("FAIL:", message)
        failed = True
root = ET.parse(prefix / f"share/metainfo/{app_id}.metainfo.xml").getroot()
check(root.findtext("id") == app_id, f"metainfo id is {root.findtext('id')!r}")
check(root.findtext("launchable[@type='desktop-id']") == f"{app_id}.desktop", "launchable is not the installed desktop entry")
check("2.0" in [r.get("version") for r in root.iter("release")], "no release 2.0")
check(root.find("content_rating") is not None, "no content_rating")
for size in (48, 128, 256):
    png = prefix / f"share/icons/hicolor/{size}x{size}/apps/{app_id}.png"
    if not png.is_file():
        check(False, f"{png} is missing")
        continue
    head = png.read_bytes()[:24]
    check(head[:8] == b"\x89PNG\r\n\x1a\n" and head[12:16] == b"IHDR", f"{png.name} at {size}px is not a PNG")
    width, height = struct.unpack(">II", head[16:24])
    check((width, height) == (size, size), f"{size}x{size} icon is {width}x{height}")
svg = prefix / f"share/icons/hicolor/scalable/apps/{app_id}.svg"
check(svg.is_file() and ET.parse(svg).getroot().tag == "{http://www.w3.org/2000/svg}svg", "scalable icon is missing or not SVG")
sys.exit(1 if failed else 0)
PY

[[ $status -eq 0 ]] && echo "ok: desktop entry, metainfo and icons agree"
exit $status
