#!/usr/bin/env bash
# Builds the project with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs
# every test there with leak checking on: a test process that ends holding memory it lost fails.
# tests/lsan.supp lists the one-time allocations of the toolkit and the system libraries that live
# until the process ends; the program's own leaks are never suppressed there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/configure.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DQB_SANITIZE=ON -DQB_BUILD_BENCH=OFF
cmake --build build-asan -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# --timeout is the limit of a test added without its own (tests/CMakeLists.txt gives every test one).
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" --timeout 600
