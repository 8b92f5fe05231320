#!/usr/bin/env bash
# Builds the skin block parser natively with libFuzzer and AddressSanitizer
# and fuzzes it for a bounded time, starting from the 33 built-in skins.
set -euo pipefail
top=$1
skins=$2
seconds=${3:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
clang++-14 -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$top" "$top/tests/fuzz/skin_format_fuzzer.cpp" "$top/skin/engine/skin_format.cpp" -o "$work/fuzzer"
mkdir -p "$work/corpus"
cp "$skins"/*.she "$work/corpus/"
"$work/fuzzer" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 "$work/corpus" 2>"$work/log" || {
  tail -60 "$work/log"
  exit 1
}
grep -E '^(stat::number_of_executed_units|Done)' "$work/log" || true
