#!/usr/bin/env bash
# Usage: scripts/fuzz-long.sh [SECONDS_PER_TARGET]
# Long local fuzzing: every target in turn for SECONDS_PER_TARGET (default 3600), with its dictionary,
# inputs of up to QB_FUZZ_MAX_LEN bytes (default 1 MiB, so the large-input paths are reached) and the
# per-input limits OSS-Fuzz applies (25 s, 2560 MB). QB_FUZZ_JOBS parallel jobs per target (default 1).
# A finding does not stop the run: it is saved under build-fuzz/findings/<target>/ and listed at the
# end. The corpus grows in build-fuzz/corpus/<target>/ and is kept between runs; it starts from the
# committed fuzz/corpus/<target>/.
# Then the model-based test of the main window runs QB_MODEL_SEEDS more seeds (default 300) in the
# sanitizer build (build-asan/, as scripts/run-sanitized-tests.sh makes it); its log is
# build-asan/window-model-long.log, and a failure there counts as a finding.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-3600}
max_len=${QB_FUZZ_MAX_LEN:-1048576}
jobs=${QB_FUZZ_JOBS:-1}
scripts/fuzz-build.sh
source scripts/fuzz-env.sh
read_fuzz_targets
started=$(mktemp)
trap 'rm -f "$started"' EXIT

for i in "${!fuzz_targets[@]}"; do
  target=${fuzz_targets[$i]}
  mkdir -p "build-fuzz/corpus/$target" "build-fuzz/findings/$target"
  echo "== $target: ${seconds}s, $jobs job(s), inputs up to $max_len bytes (log: build-fuzz/$target-long.log)"
  build-fuzz/bin/"$target" "build-fuzz/corpus/$target" "fuzz/corpus/$target" $(dict_option "${fuzz_dicts[$i]}") \
    "${fuzz_limits[@]}" -max_total_time="$seconds" -max_len="$max_len" \
    -fork="$jobs" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -artifact_prefix="build-fuzz/findings/$target/" -print_final_stats=1 >"build-fuzz/$target-long.log" 2>&1 || true
  echo "   corpus: $(find "build-fuzz/corpus/$target" -type f | wc -l) inputs"
done

model_seeds=${QB_MODEL_SEEDS:-300}
echo "== test_window_model: $model_seeds seeds beyond the fixed ones (log: build-asan/window-model-long.log)"
scripts/configure.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DQB_SANITIZE=ON -DQB_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$(nproc)" --target test_window_model >/dev/null
model_failed=0
QT_QPA_PLATFORM=offscreen QB_MODEL_SEEDS=$model_seeds ASAN_OPTIONS=detect_leaks=1 \
  LSAN_OPTIONS=suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0 \
  build-asan/bin/test_window_model --gtest_filter='WindowModel.*' >build-asan/window-model-long.log 2>&1 || model_failed=1

findings=$(find build-fuzz/findings -type f -newer "$started" | sort)
if [ "$model_failed" = 1 ]; then
  echo "test_window_model failed; its shortest failing sequences are in build-asan/window-model-long.log."
  exit 1
fi
if [ -n "$findings" ]; then
  echo "Findings (crash-, leak-, timeout-, oom-; reproduce with build-fuzz/bin/<target> FILE):"
  echo "$findings"
  exit 1
fi
echo "No findings."
