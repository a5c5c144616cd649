#!/usr/bin/env bash
# Sets up and builds the program, then runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
ctest --test-dir build --output-on-failure -j2
