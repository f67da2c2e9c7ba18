#!/usr/bin/env bash
# Builds the project and runs every test headless; then runs every test again in a build with
# AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/run-sanitized-tests.sh
scripts/run-fuzz.sh "${QB_FUZZ_SECONDS:-60}"
