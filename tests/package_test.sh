#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks what it holds: the program, the
# launcher, the icons, the metadata, the MIME type, the manual page and the Debian documents;
# that the launcher and the metadata validate; that the dependencies were computed; and that
# lintian finds no error or warning.
# Usage: package_test.sh BUILD_FOLDER APP_ID
set -euo pipefail
build=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/wendle_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/contents"

expected=(
  /usr/bin/wendle
  "/usr/share/applications/$id.desktop"
  "/usr/share/metainfo/$id.metainfo.xml"
  /usr/share/mime/packages/wendle.xml
  "/usr/share/icons/hicolor/16x16/apps/$id.png"
  "/usr/share/icons/hicolor/32x32/apps/$id.png"
  "/usr/share/icons/hicolor/48x48/apps/$id.png"
  "/usr/share/icons/hicolor/scalable/apps/$id.svg"
  /usr/share/icons/hicolor/48x48/mimetypes/application-x-wendle-project.png
  /usr/share/icons/hicolor/scalable/mimetypes/application-x-wendle-project.svg
  /usr/share/man/man1/wendle.1.gz
  /usr/share/doc/wendle/copyright
  /usr/share/doc/wendle/changelog.gz
)
for path in "${expected[@]}"; do
  grep -qxF "$path" "$work/contents" || fail "the package lacks $path"
done

depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "dependencies not computed: $depends"

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "AppStream metadata"
xmllint --noout "$work/root/usr/share/mime/packages/wendle.xml" \
  "$work/root/usr/share/icons/hicolor/scalable/apps/$id.svg" || fail "XML files"
for size in 16 32 48; do
  identify -format '%wx%h' "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" \
    | grep -qx "${size}x${size}" || fail "the ${size}px icon has the wrong size"
done
man --warnings -l "$work/root/usr/share/man/man1/wendle.1.gz" > /dev/null 2> "$work/man.log" || true
[[ ! -s "$work/man.log" ]] || { cat "$work/man.log"; fail "manual page warnings"; }

lintian --fail-on error,warning "$deb" > "$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian"; }
echo "package $(basename "$deb"): ${#expected[@]} files checked, validators and lintian clean"
