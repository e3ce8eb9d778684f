#!/usr/bin/env bash
# One command for a fresh machine: install what is missing, build, and play.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
BIN="${BUILD_DIR:-build}/bin"
# The windowed game is not built yet: show the engine running a small demo cave instead.
DEMO="$BIN/demo.kcv"
"$BIN/krattle-cli" new-set "$DEMO"
"$BIN/krattle-cli" sim "$DEMO" --cave 0 --level 0 --ticks 40 --input "R10D10L5"
