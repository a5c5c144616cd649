#!/usr/bin/env bash
# Builds the program and the start-up benchmark, then measures both under a private Xvfb.
# Usage: bench/run.sh [STARTS]   (default 21 starts of each program)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
missing=()
for p in xvfb xauth libxcb1-dev pkg-config; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=(); [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
cmake -S . -B build -DRICATTURA_BENCH=ON >/dev/null
cmake --build build -j2 --target ricattura reference_window startup_bench
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
xvfb-run -a -s "-screen 0 1024x768x24" build/bench/startup_bench "${1:-21}" build/ricattura build/bench/reference_window
