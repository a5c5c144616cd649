#!/usr/bin/env bash
# Catches a package lintian rejects or that misses a file, a dependency, a manual page or its version.
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$build"
cpack -G DEB >/dev/null
deb=$(ls -t ricattura_*.deb | head -1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

# Only the package's own overrides may silence a tag: no local configuration, no other profile.
lintian --no-cfg --fail-on error,warning "$deb" || fail "lintian rejects $deb"
overrides=$(sed '/^#/d;/^$/d' "$root/usr/share/lintian/overrides/ricattura" | sort)
[ "$overrides" = $'ricattura: bogus-mail-host\nricattura: bogus-mail-host-in-debian-changelog' ] \
  || fail "the lintian overrides are not exactly the two mail-host tags: $overrides"
# The command line answers before any window opens, and without a display the program stops.
for case in "0 --help" "0 --version" "2 --lago 0" "2 --lago" "2 --lago 7 --lago=7" "2 -platform offscreen" "1"; do
  set -- $case
  want=$1 status=0
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/ricattura" "$@" >/dev/null 2>&1 || status=$?
  [ "$status" -eq "$want" ] || fail "ricattura $* ended with status $status instead of $want"
done
version=$(dpkg-deb -f "$deb" Version)
[ "$("$root/usr/bin/ricattura" --version)" = "ricattura $version" ] || fail "--version disagrees with $version"
zgrep -q '^\.SH NAME' "$root/usr/share/man/man1/ricattura.1.gz" || fail "no English manual page"
zgrep -q '^\.SH NOME' "$root/usr/share/man/it/man1/ricattura.1.gz" || fail "no Italian manual page in it/man1"

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
