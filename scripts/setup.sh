#!/usr/bin/env bash
# Installs whatever Debian packages are missing, then configures and builds into build/.
# With --tests it also installs what the tests need: the sanitizer and fuzzing builds, the package
# checks, the Italian locale data, the browser tests' three engines (Chromium, Firefox, WebKitGTK
# under a private X server), node and npm, and the readers of a printed PDF and of a QR code.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake qt6-base-dev qt6-base-private-dev qt6-qpa-plugins libgtest-dev fonts-liberation2)
if [ "${1:-}" = "--tests" ]; then
  packages+=(clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file lintian locales
             chromium firefox-esr webkit2gtk-driver xvfb xauth poppler-utils zbar-tools)
  # A node from elsewhere (with its own npm) is kept; Debian's comes only where there is none.
  command -v node >/dev/null || packages+=(nodejs)
  command -v npm >/dev/null || packages+=(npm)
fi
scripts/install_missing.sh "${packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${@:2}" >/dev/null
cmake --build build -j2
