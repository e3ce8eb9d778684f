#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan and UBSan on) into build-fuzz/ and runs each for
# SECONDS (default 60), one after another. Inputs that find new paths collect in
# build-fuzz/fuzz-found/TARGET; a crash, leak or timeout lands in build-fuzz/fuzz-crashes/TARGET
# and makes the script fail. Add a fixed crash input to tests/fuzz/corpus/TARGET so every test
# run replays it. Extra arguments name the targets to run (all by default).
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:-60}"
shift || true
scripts/setup.sh --fuzz
BUILD_DIR="${BUILD_DIR:-build-fuzz}"
TARGETS=(cave_set image_set wave_set bmp wav midi demo moves cave_source language settings)
if [ $# -gt 0 ]; then TARGETS=("$@"); fi
CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKRATTLE_WERROR=ON -DKRATTLE_FUZZ=ON >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)" --target "${TARGETS[@]/#/fuzz_}"
failed=()
for t in "${TARGETS[@]}"; do
  found="$BUILD_DIR/fuzz-found/$t"
  crashes="$BUILD_DIR/fuzz-crashes/$t"
  mkdir -p "$found" "$crashes"
  echo "fuzz: $t for ${SECONDS_EACH}s"
  if ! "$BUILD_DIR/bin/fuzz_$t" -max_total_time="$SECONDS_EACH" -timeout=25 -rss_limit_mb=2560 \
    -print_final_stats=1 -artifact_prefix="$crashes/" "$found" "tests/fuzz/corpus/$t" \
    2>"$BUILD_DIR/fuzz-$t.log"; then
    failed+=("$t")
  fi
  grep -E "^stat::number_of_executed_units|^stat::new_units_added|^SUMMARY" \
    "$BUILD_DIR/fuzz-$t.log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (see $BUILD_DIR/fuzz-crashes and $BUILD_DIR/fuzz-*.log)"
  exit 1
fi
