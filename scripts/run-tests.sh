#!/usr/bin/env bash
# Builds the project and runs every test headless; then runs every test again in a build with
# AddressSanitizer, UndefinedBehaviorSanitizer and leak checking; then replays the fuzz regression
# corpus and runs each fuzz target for a bounded time (QB_FUZZ_SECONDS, default 60 per target).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
# --timeout is the limit of a test added without its own (tests/CMakeLists.txt gives every test one).
ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 300
scripts/run-sanitized-tests.sh
scripts/run-fuzz.sh "${QB_FUZZ_SECONDS:-60}"
