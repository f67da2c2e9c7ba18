#!/usr/bin/env bash
# Builds the fuzz targets with clang, ASan and UBSan into build-fuzz/ and runs each for the given number
# of seconds (default 60), starting from a small seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQB_BUILD_FUZZ=ON -DQB_BUILD_TESTS=OFF -DQB_BUILD_BENCH=OFF >/dev/null
targets=$(sed -n 's/^qb_add_fuzzer(\([a-z_]*\) .*/\1/p' fuzz/CMakeLists.txt)
cmake --build build-fuzz -j"$(nproc)" --target qbltool $targets

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in $targets; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  case $target in
    fuzz_log_reader)
      for seed in 1 2 3; do build-fuzz/bin/qbltool gen --count 3 --seed "$seed" "$corpus/seed$seed.qbl"; done ;;
    fuzz_ini_file)
      printf '[Display]\nRowShading=1\n[FontStyles]\nErrorColor=-16777208\n' > "$corpus/seed.ini" ;;
    *)
      printf 'Name=Value\n  Sub=1\nA\tB\tC\n\t\tdeep\n255\n0\n0\n' > "$corpus/seed.txt" ;;
  esac
  echo "== $target: ${seconds}s"
  log=build-fuzz/$target.log
  if ! build-fuzz/bin/$target "$corpus" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
      -artifact_prefix=build-fuzz/ -print_final_stats=1 >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "$target found a failure; the input is saved under build-fuzz/ (crash-*, leak-*, oom-*)."
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log"
done
echo "Fuzzing ran ${seconds}s per target without a finding."
