#!/usr/bin/env bash
# Configures and builds the project into build/ (Release with debug info). An existing build/ keeps
# the generator it was made with (scripts/configure.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/configure.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
