#!/usr/bin/env bash
# Sets up and builds the program, then starts it.
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "error: no graphical display (neither DISPLAY nor WAYLAND_DISPLAY is set); start ricattura from a desktop session." >&2
  exit 1
fi
scripts/setup.sh
exec build/ricattura
