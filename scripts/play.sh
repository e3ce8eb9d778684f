#!/usr/bin/env bash
# One command for a fresh machine: install what is missing, build, and start the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
BIN="${BUILD_DIR:-build}/bin"
SET="$BIN/Levels/Krattle.kcv"
if [ -f "$SET" ]; then
  exec "$BIN/krattle" "$SET" "$@"
fi
exec "$BIN/krattle" "$@"
