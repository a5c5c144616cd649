#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks that everything the
# launcher names is where it expects it, and that the packaged program starts.
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$build"
cpack -G DEB >/dev/null
deb=$(ls -t ricattura_*.deb | head -1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

desktop=$(ls "$root"/usr/share/applications/*.desktop)
id=$(basename "$desktop" .desktop)
exec_name=$(sed -n 's/^Exec=//p' "$desktop")
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not in /usr/bin"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/usr/share/metainfo/$id.metainfo.xml" \
  || fail "the metainfo does not launch $id.desktop"

depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6gui6 libc6 qt6-qpa-plugins fonts-liberation2; do
  grep -q "$need" <<<"$depends" || fail "Depends lacks $need: $depends"
done
if ldd "$root/usr/bin/$exec_name" | grep -q "not found"; then fail "unresolved libraries"; fi

# Started as the launcher would, it must still be showing its window two seconds later.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 "$root/usr/bin/$exec_name" || status=$?
[ "$status" -eq 124 ] || fail "the packaged program ended with status $status instead of staying up"
echo "package $(basename "$deb") checked"
