#!/usr/bin/env bash
# Builds the fuzz targets with clang, ASan and UBSan into build-fuzz/ and runs each for the given number
# of seconds (default 60), starting from a small corpus of generated logs.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQB_BUILD_FUZZ=ON -DQB_BUILD_TESTS=OFF -DQB_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_log_reader qbltool
corpus=build-fuzz/corpus/log_reader
mkdir -p "$corpus"
for seed in 1 2 3; do build-fuzz/bin/qbltool gen --count 3 --seed "$seed" "$corpus/seed$seed.qbl"; done
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
build-fuzz/bin/fuzz_log_reader "$corpus" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
  -print_final_stats=1 2>&1 | tail -n 15
echo "Fuzzing of the log reader ran for ${seconds}s without a finding."
