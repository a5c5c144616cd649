#!/usr/bin/env bash
# Builds the browser edition alone: build-web/ricattura.html, one file that works offline, with its
# own font cut from Debian's Liberation Sans and two small scripts from npm.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install_missing.sh emscripten cmake make fonts-liberation2 fonttools python3-brotli
# The scripts the page carries, and the browser test's drivers, come from npm at the versions the lockfile
# pins; a node from elsewhere (with its own npm) is kept.
command -v npm >/dev/null || scripts/install_missing.sh nodejs npm
npm ci --no-audit --no-fund --loglevel=error
# Debian's emscripten finds its JavaScript modules through Debian's node; any other node needs
# to be told where they are.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build-web -j2
echo "page: $PWD/build-web/ricattura.html ($(stat -c %s build-web/ricattura.html) bytes)"
