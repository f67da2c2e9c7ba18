#!/usr/bin/env bash
# Checks that the source folders include each other only downwards, and prints the include graph
# between folders (docs/layers.md shows it). Exit status 1 names every include that goes upwards.
#
# Every kind of include is resolved to the folder it reaches: "folder/File.h" from src/, a bare
# "File.h" from the including file's own folder, <quillbox/File.h> to the host library's public
# headers, and the two headers the build generates to the folder that owns them. The programs and
# plug-ins outside src/ are checked against the highest layer they may use.
set -euo pipefail
cd "$(dirname "$0")/.."

# Layers, lowest first. Widget-free folders come before every widget folder: a folder may include
# its own layer and those listed before it, never one after it. Folders named on one line share a
# layer (the window and its areas call each other: the layout holds the detail panel, the areas
# use the status panes).
layers=(
  host
  model
  view
  plugins
  inspectors/parsers
  settings
  shell
  resources
  view/widgets
  plugins/widgets
  inspectors
  dialogs
  window/dialogs
  "window window/areas"
)

# Folders outside src/ and the highest layer each may include: qbltool and the fuzz targets run on
# the widget-free core alone, a plug-in sees only the host library's public headers.
declare -A outside=(
  [app]=window
  [tools/qbltool]=shell
  [fuzz]=shell
  [plugins/sample]=host
)

# Headers made by the build, and the folder that owns them.
declare -A generated=([QBResources.h]=resources [QBBuildInfo.h]=dialogs)

declare -A rank=()
for i in "${!layers[@]}"; do
  for l in ${layers[$i]}; do rank[$l]=$i; done
done

# The layer of a path under src/, into REPLY: the deepest listed folder that contains it. (Results go
# through REPLY rather than output: a command substitution per include line would fork thousands of
# subshells.)
layer_of() {
  local path=$1 l
  REPLY=""
  for l in "${!rank[@]}"; do
    case $path in "$l"/*) [ ${#l} -gt ${#REPLY} ] && REPLY=$l ;; esac
  done
  return 0
}

# The layer an include reaches, into REPLY, or nothing when it names a file outside src/ (the
# programs' own headers, test support).
target_layer() {
  local file=$1 kind=$2 name=$3 dir=${1%/*}
  REPLY=""
  if [ "$kind" = "<" ]; then
    [[ $name == quillbox/* ]] && REPLY=host
    return 0
  fi
  if [ -n "${generated[$name]:-}" ]; then
    REPLY=${generated[$name]}
  elif [[ $name != */* && $dir == src/* && -f $dir/$name ]]; then
    layer_of "${dir#src/}/$name"
  elif [ -f "src/$name" ]; then
    layer_of "$name"
  fi
  return 0
}

declare -A edges=()
status=0
check() {
  local file=$1 from=$2 limit=$3 kind=$4 name=$5 to
  target_layer "$file" "$kind" "$name"
  to=$REPLY
  [ -n "$to" ] || return 0
  [ "$from" = "$to" ] || edges["$from -> $to"]=1
  if [ "${rank[$to]}" -gt "${rank[$limit]}" ]; then
    echo "upward include: $file includes $name ($from -> $to)" >&2
    status=1
  fi
}

include_line='^([^:]*):#include ([<"])([^">]+)[">]'
while IFS= read -r line; do
  [[ $line =~ $include_line ]] || continue
  file=${BASH_REMATCH[1]} kind=${BASH_REMATCH[2]} name=${BASH_REMATCH[3]}
  if [[ $file == src/* ]]; then
    layer_of "${file#src/}"
    from=$REPLY
    [ -n "$from" ] && check "$file" "$from" "$from" "$kind" "$name"
  else
    for folder in "${!outside[@]}"; do
      [[ $file == "$folder"/* ]] && check "$file" "$folder" "${outside[$folder]}" "$kind" "$name"
    done
  fi
done < <(grep -rhoE --with-filename '^#include ["<][^">]+[">]' --include='*.h' --include='*.cpp' src "${!outside[@]}")

if [ "${1:-}" = "--graph" ]; then
  for e in "${!edges[@]}"; do echo "$e"; done | sort
fi
exit $status
