#!/usr/bin/env bash
# Usage: scripts/run-fuzz.sh [SECONDS]
# Builds the fuzz targets (scripts/fuzz-build.sh). For each target it first replays the committed
# regression corpus fuzz/corpus/<target>/ input by input and fails on any crash, leak, sanitizer report,
# timeout or memory excess, so every known input is checked the same way on every run. Then it fuzzes
# each target for SECONDS (default 60) with its dictionary, starting from the committed corpus and what
# earlier runs found (build-fuzz/corpus/<target>/), on inputs of up to 8 KiB: the replay has already
# run the larger committed inputs whole, and short inputs keep the number of runs in the time high.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/fuzz-build.sh
source scripts/fuzz-env.sh
read_fuzz_targets

found() {
  tail -n 60 "$2"
  echo "$1 found a failure (log: $2). The input is saved under build-fuzz/findings/$1/; once the fault is"
  echo "fixed, add it to fuzz/corpus/$1/ as regress-<what it is>."
  exit 1
}

# The replays run one after another; then the targets fuzz side by side, each for SECONDS, so the
# stage takes SECONDS however many targets there are (the cores are shared among them).
for i in "${!fuzz_targets[@]}"; do
  target=${fuzz_targets[$i]}
  mkdir -p "build-fuzz/corpus/$target" "build-fuzz/findings/$target"
  log=build-fuzz/$target.log
  committed=(fuzz/corpus/"$target"/*)
  if [ -e "${committed[0]}" ]; then
    echo "== $target: replaying ${#committed[@]} committed inputs"
    build-fuzz/bin/"$target" "${fuzz_limits[@]}" -artifact_prefix="build-fuzz/findings/$target/" \
      "${committed[@]}" >"$log" 2>&1 || found "$target" "$log"
  else
    echo "== $target has no regression corpus in fuzz/corpus/$target/" >&2
  fi
done

pids=()
for i in "${!fuzz_targets[@]}"; do
  target=${fuzz_targets[$i]}
  echo "== $target: fuzzing ${seconds}s"
  build-fuzz/bin/"$target" "build-fuzz/corpus/$target" "fuzz/corpus/$target" $(dict_option "${fuzz_dicts[$i]}") \
    "${fuzz_limits[@]}" -max_total_time="$seconds" -max_len=8192 \
    -artifact_prefix="build-fuzz/findings/$target/" -print_final_stats=1 >"build-fuzz/$target.log" 2>&1 &
  pids+=($!)
done
for i in "${!fuzz_targets[@]}"; do
  target=${fuzz_targets[$i]}
  wait "${pids[$i]}" || found "$target" "build-fuzz/$target.log"
  echo "== $target:"
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "build-fuzz/$target.log"
done
echo "The regression corpus replayed cleanly and fuzzing ran ${seconds}s per target without a finding."
