# Sourced by the fuzz scripts: sanitizer options and the per-input limits OSS-Fuzz applies (25 s and
# 2560 MB an input), so an input that is too slow or too big fails here as it would there.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fuzz_limits=(-timeout=25 -rss_limit_mb=2560)

# Reads build-fuzz/fuzz-targets.txt into the arrays fuzz_targets and fuzz_dicts.
read_fuzz_targets() {
  fuzz_targets=()
  fuzz_dicts=()
  local target dict
  while read -r target dict; do
    fuzz_targets+=("$target")
    fuzz_dicts+=("$dict")
  done <build-fuzz/fuzz-targets.txt
}

# The -dict option of a dictionary from the list, or nothing for "-".
dict_option() { [ "$1" = "-" ] || echo "-dict=$1"; }
