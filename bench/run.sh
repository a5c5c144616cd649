#!/usr/bin/env bash
# Builds both editions and measures them: the desktop program's start-up under a private Xvfb against
# a one-label Qt window, then the page's size and time to its opening text against a one-label page
# in headless Chromium.  Usage: bench/run.sh [STARTS]   (default 21 starts of each)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
scripts/install_missing.sh xvfb xauth libxcb1-dev pkg-config
cmake -S . -B build -DRICATTURA_BENCH=ON >/dev/null
cmake --build build -j2 --target ricattura reference_window startup_bench
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
xvfb-run -a -s "-screen 0 1024x768x24" build/bench/startup_bench "${1:-21}" build/ricattura build/bench/reference_window
./web.sh >/dev/null
npm ci --no-audit --no-fund --loglevel=error
node bench/page_bench.mjs build-web/ricattura.html "${1:-21}"
