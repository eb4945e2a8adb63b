#!/usr/bin/env bash
# Installs the build given as $1 into a temporary folder (as a package would
# under /usr) and checks what a desktop needs of it: both programs in bin, a
# desktop entry and an AppStream file that their validators accept, and the
# icon as SVG and as PNGs of the sizes their folders name.
set -euo pipefail
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
root=$dest/usr
id=org.tarrowby.Quillmere

for program in quillmere quillmere-cli; do
  [ -x "$root/bin/$program" ] || fail "bin/$program is missing"
done
desktop=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || fail "the desktop entry is missing"
[ -f "$metainfo" ] || fail "the AppStream file is missing"
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
appstreamcli validate --no-net "$metainfo" >/dev/null || {
  appstreamcli validate --no-net "$metainfo" >&2
  fail "appstreamcli refuses $metainfo"
}
grep -q "<release version=\"[0-9]" "$metainfo" || fail "the AppStream file names no version"
# The entry starts the program that was installed, under the icon that was.
grep -qx "Exec=quillmere" "$desktop" || fail "the entry does not start quillmere"
icon=$(sed -n 's/^Icon=//p' "$desktop")
icons=$root/share/icons/hicolor
[ -f "$icons/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
for size in 16 22 24 32 48 64 128 256; do
  png=$icons/${size}x${size}/apps/$icon.png
  [ -f "$png" ] || fail "no ${size}x${size} icon"
  got=$(identify -format '%wx%h' "$png")
  [ "$got" = "${size}x${size}" ] || fail "$png is $got"
done
echo "installed and valid: $(cd "$dest" && find . -type f | sort | tr '\n' ' ')"
