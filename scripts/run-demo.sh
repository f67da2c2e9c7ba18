#!/usr/bin/env bash
# Builds the project, generates the demo log and shows what it holds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
mkdir -p build/demo
build/bin/qbltool gen --count 20000 --seed 1 build/demo/Demo.qbl
echo "Demo log: $(pwd)/build/demo/Demo.qbl"
build/bin/qbltool stats build/demo/Demo.qbl
