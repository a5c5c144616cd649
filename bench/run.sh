#!/usr/bin/env bash
# Builds both editions and measures them: the desktop program's start-up under a private Xvfb against
# a one-label Qt window, then, in headless Chromium, the page's size and time to its opening text against
# a one-label page, the time to draw the repeated experiment after step 7, and Lighthouse's accessibility
# and best-practices scores.  Usage: bench/run.sh [STARTS]   (default 21 starts of each)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
scripts/install_missing.sh xvfb xauth libxcb1-dev pkg-config
cmake -S . -B build -DRICATTURA_BENCH=ON >/dev/null
cmake --build build -j2 --target ricattura reference_window startup_bench
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
xvfb-run -a -s "-screen 0 1024x768x24" build/bench/startup_bench "${1:-21}" build/ricattura build/bench/reference_window
./web.sh >/dev/null
# Lighthouse and the browser driver have their own lockfile, so the tests' install stays small.
npm ci --prefix bench --no-audit --no-fund --loglevel=error
node bench/page_bench.mjs build-web/ricattura.html "${1:-21}"
