#!/usr/bin/env bash
# Usage: scripts/fuzz-long.sh [SECONDS_PER_TARGET]
# Long local fuzzing: every target in turn for SECONDS_PER_TARGET (default 3600), with its dictionary,
# inputs of up to QB_FUZZ_MAX_LEN bytes (default 1 MiB, so the large-input paths are reached) and the
# per-input limits OSS-Fuzz applies (25 s, 2560 MB). QB_FUZZ_JOBS parallel jobs per target (default 1).
# A finding does not stop the run: it is saved under build-fuzz/findings/<target>/ and listed at the
# end. The corpus grows in build-fuzz/corpus/<target>/ and is kept between runs; it starts from the
# committed fuzz/corpus/<target>/.
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

findings=$(find build-fuzz/findings -type f -newer "$started" | sort)
if [ -n "$findings" ]; then
  echo "Findings (crash-, leak-, timeout-, oom-; reproduce with build-fuzz/bin/<target> FILE):"
  echo "$findings"
  exit 1
fi
echo "No findings."
