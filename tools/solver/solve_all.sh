#!/usr/bin/env bash
# Keeps levels/solutions.txt in step with the caves: every slot whose kept input no longer
# completes it (or has none) gets a new one from krattle-solve. Slots named as arguments
# (e.g. C3 Q1) are solved again regardless.
set -uo pipefail
cd "$(dirname "$0")/../.."
BIN="${BUILD_DIR:-build}/bin"
SET="$BIN/Levels/Krattle.kcv"
SOL=levels/solutions.txt
touch "$SOL"
declare -A redo
for s in "$@"; do redo[$s]=1; done
tmp=$(mktemp)
echo "# One input per slot (krattle-cli sim MOVES, game clock every 11 ticks) that completes it." >"$tmp"
for cave in $(seq 0 19); do
  letter=$(printf "\\x$(printf %x $((65 + cave)))")
  for level in 0 1 2 3 4; do
    slot="$letter$((level + 1))"
    moves=$(awk -v s="$slot" '$1 == s { print $2 }' "$SOL")
    if [ -n "$moves" ] && [ -z "${redo[$slot]:-}" ]; then
      if "$BIN/krattle-cli" sim "$SET" --cave "$cave" --level "$level" --ticks 20000 \
          --input "$moves" --clock 11 | grep -q '^phase 5$'; then
        echo "$slot $moves" >>"$tmp"
        continue
      fi
    fi
    if moves=$("$BIN/krattle-solve" "$SET" --cave "$cave" --level "$level" --budget "${BUDGET:-3000}"); then
      echo "$slot $moves" >>"$tmp"
      echo "solved $slot" >&2
    else
      echo "UNSOLVED $slot" >&2
    fi
  done
done
mv "$tmp" "$SOL"
