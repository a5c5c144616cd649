#!/usr/bin/env bash
# Catches a package lintian rejects or that misses a manual page, the teacher's guide, a dependency added by hand, its version or its window.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$1"
cpack -G DEB >/dev/null
deb=$(ls -t ricattura_*.deb | head -1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
bin=$root/usr/bin/ricattura

# Only the package's own overrides may silence a tag: no local configuration, no other profile.
lintian --no-cfg --fail-on error,warning "$deb" || fail "lintian rejects $deb"
tags=$(sed '/^#/d;/^$/d' "$root/usr/share/lintian/overrides/ricattura" | sort | paste -sd ' ')
[ "$tags" = "ricattura: bogus-mail-host ricattura: bogus-mail-host-in-debian-changelog" ] || fail "overrides: $tags"
# -h and a bad --lago or --scala answer before any window opens, without a display the program stops, and offscreen
# it must still be showing its window two seconds later, at twice the size too.
ends() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >/dev/null 2>&1 && echo 0 || echo $?; }
got="$(ends "$bin" -h) $(ends "$bin" --lago 0) $(ends "$bin" --scala 5) $(ends "$bin")"
got+=" $(ends QT_QPA_PLATFORM=offscreen timeout 2 "$bin" --scala 2)"
[ "$got" = "0 2 2 1 124" ] || fail "ended with $got instead of 0 2 2 1 124"
[ "$("$bin" --version)" = "ricattura $(dpkg-deb -f "$deb" Version)" ] || fail "--version disagrees with the package"
zgrep -q '^\.SH NAME' "$root/usr/share/man/man1/ricattura.1.gz" || fail "no English manual page"
zgrep -q '^\.SH NOME' "$root/usr/share/man/it/man1/ricattura.1.gz" || fail "no Italian manual page in it/man1"
grep -q '^<h2>Guida per l’insegnante</h2>' "$root/usr/share/doc/ricattura/guida-insegnante.html" || fail "no teacher's guide"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *qt6-qpa-plugins* && $depends == *fonts-liberation2* ]] || fail "Depends: $depends"
