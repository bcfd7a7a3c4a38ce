#!/usr/bin/env python3
"""Checks the macOS bundle's Info.plist as packaging/CMakeLists.txt makes it: a well-formed
property list with the keys a bundle needs and the values the build asks for. CMake fills in
the executable's name later, when it makes the bundle on a Mac.
Usage: check_info_plist.py INFO_PLIST APP_ID VERSION MACOS_MINIMUM"""
import plistlib
import sys

path, app_id, version, macos_minimum = sys.argv[1:5]
with open(path, "rb") as f:
    plist = plistlib.load(f)  # raises on malformed XML or an unknown value type

expected = {
    "CFBundleIdentifier": app_id,
    "CFBundleName": "Mireldantholm",
    "CFBundleExecutable": "${MACOSX_BUNDLE_EXECUTABLE_NAME}",
    "CFBundlePackageType": "APPL",
    "CFBundleShortVersionString": version,
    "CFBundleVersion": version,
    "LSMinimumSystemVersion": macos_minimum,
    "NSHighResolutionCapable": True,
    "NSPrincipalClass": "NSApplication",
}
failed = False
for key, value in expected.items():
    if plist.get(key) != value or type(plist.get(key)) is not type(value):
        print(f"FAIL: {key} is {plist.get(key)!r}, expected {value!r}")
        failed = True
# Whatever the template adds must have been filled in: no @NAME@ left for CMake to misread.
for key, value in plist.items():
    if isinstance(value, str) and "@" in value:
        print(f"FAIL: {key} still holds a placeholder: {value!r}")
        failed = True
if not failed:
    print(f"ok: {path} has {len(plist)} keys, all as expected")
sys.exit(1 if failed else 0)
