#!/usr/bin/env bash
# Checks that the source folders include each other only downwards, and prints the include graph
# between folders (docs/layers.md shows it). Exit status 1 names every include that goes upwards.
#
# Layers, lowest first. Widget-free folders come before every widget folder: a folder may include
# its own layer and those listed before it, never one after it.
set -euo pipefail
cd "$(dirname "$0")/../src"

layers=(
  host
  model
  view
  plugins
  inspectors/parsers
  shell
  view/widgets
  plugins/widgets
  inspectors
  dialogs
  shell/widgets
)

# The layer a file belongs to: its folder, the deepest listed one that contains it.
layer_of() {
  local path=$1 best="" l
  for l in "${layers[@]}"; do
    case $path in "$l"/*) [ ${#l} -gt ${#best} ] && best=$l ;; esac
  done
  echo "$best"
}

rank_of() {
  local i
  for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
  echo -1
}

declare -A edges=()
status=0
while IFS= read -r line; do
  file=${line%%:*}
  target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"${line#*:}")
  from=$(layer_of "$file")
  to=$(layer_of "$target")
  [ -n "$from" ] && [ -n "$to" ] || continue
  [ "$from" = "$to" ] && continue
  edges["$from -> $to"]=1
  if [ "$(rank_of "$to")" -gt "$(rank_of "$from")" ]; then
    echo "upward include: $file includes $target ($from -> $to)" >&2
    status=1
  fi
done < <(grep -rnoE '^#include "[^"]+"' --include='*.h' --include='*.cpp' . | sed 's#^\./##; s#:[0-9]*:#:#')

if [ "${1:-}" = "--graph" ]; then
  for e in "${!edges[@]}"; do echo "$e"; done | sort
fi
exit $status
