#!/usr/bin/env bash
# Usage: scripts/configure.sh BUILD_DIR [CMAKE_ARGS...]
# Configures BUILD_DIR for this source tree. A folder configured before keeps its generator, so a
# build/ made with Unix Makefiles stays one (CMake refuses to switch generators in place). A folder
# whose cache belongs to another source tree, or to another compiler than CC/CXX ask for, is cleared
# and configured afresh with its generator: CMake would refuse the first and silently ignore the
# second. A new folder uses Ninja and ccache when they are installed.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
cache=$dir/CMakeCache.txt

cached() { sed -n "/^$1:/{s/^[^=]*=//p;q}" "$cache"; }
same_file() { [ "$(readlink -f "$1" 2>/dev/null)" = "$(readlink -f "$2" 2>/dev/null)" ]; }

generator=""
if [ -f "$cache" ]; then
  generator=$(cached CMAKE_GENERATOR)
  why=""
  if ! same_file "$(cached CMAKE_HOME_DIRECTORY)" "$(pwd)"; then
    why="it was configured for $(cached CMAKE_HOME_DIRECTORY)"
  elif [ -n "${CXX:-}" ] && ! same_file "$(command -v "$CXX" || echo "$CXX")" "$(cached CMAKE_CXX_COMPILER)"; then
    why="it was configured with $(cached CMAKE_CXX_COMPILER), not $CXX"
  fi
  if [ -n "$why" ]; then
    echo "Configuring $dir afresh: $why."
    rm -rf "$cache" "$dir/CMakeFiles"
  fi
fi

if [ -z "$generator" ]; then
  if command -v ninja >/dev/null; then generator=Ninja; else generator="Unix Makefiles"; fi
fi
options=()
# Only for a new cache: changing the launcher of an existing one would rebuild everything.
if [ ! -f "$cache" ] && command -v ccache >/dev/null; then
  options=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B "$dir" -G "$generator" "${options[@]}" "$@" >/dev/null
