#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, ASan and UBSan into build-fuzz/. The
# targets and their dictionaries are listed in build-fuzz/fuzz-targets.txt, one "target dictionary"
# line each ("-" for none), as fuzz/CMakeLists.txt declares them.
set -euo pipefail
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ scripts/configure.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQB_BUILD_FUZZ=ON -DQB_BUILD_TESTS=OFF -DQB_BUILD_BENCH=OFF
cmake --build build-fuzz -j"$(nproc)" --target $(cut -d' ' -f1 build-fuzz/fuzz-targets.txt)
