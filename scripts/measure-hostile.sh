#!/usr/bin/env bash
# Measures what the hostile logs (tests/hostile/QBHostileInputs.cpp) cost in the window: for each, the
# main window is drawn offscreen once with the log only loaded, once with the hostile row selected
# (with the inspector pane and the call stack shown), once more copying the inspector's contents
# after the selection, and for some also printing them. Prints wall and processor seconds and the peak
# resident memory (MB) of each run; what the selection costs is the difference to the loaded run.
#   scripts/measure-hostile.sh [BUILD_DIR] [NAME...]
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
bin=$build/bin
limit=${QB_MEASURE_TIMEOUT:-300}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A settings file that shows the inspector pane and the call stack.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config HOME=$work/home
mkdir -p "$XDG_DATA_HOME/Tolvane/Quillbox/4.0" "$HOME"
printf '[Display]\nInspector=1\nCallStack=1\n' > "$XDG_DATA_HOME/Tolvane/Quillbox/4.0/QBFileViewer.ini"

# run LABEL COMMAND...: prints "wall cpu rss_mb" of the command, or "timeout" / "failed".
run() {
  local out=$work/time.txt
  if timeout "$limit" /usr/bin/time -o "$out" -f '%e %U %S %M' "$@" >/dev/null 2>"$work/err.txt"; then
    awk '{ printf "%7.2f %7.2f %7.0f", $1, $2 + $3, $4 / 1024 }' "$out"
  elif [ $? -eq 124 ]; then
    printf '%23s' "timeout >${limit}s"
  else
    printf '%23s' "failed"
  fi
}

names=("$@")
# The inputs the window inspects; the others (organizer, projects) are measured by the hostile test.
[ ${#names[@]} -gt 0 ] || mapfile -t names < <("$bin/qbhostile" --list | awk -F'\t' '$3 == "inspect" { print $1 }')
printf '%-20s | %-23s | %-23s | %-23s | %s\n' "input" "loaded: wall cpu MB" "selected: wall cpu MB" \
  "copied: wall cpu MB" "extra"
for name in "${names[@]}"; do
  row=$("$bin/qbhostile" --list | awk -F'\t' -v n="$name" '$1 == n { print $2 }')
  log=$work/$name.qbl
  "$bin/qbhostile" "$name" "$log" || continue
  loaded=$(run "$bin/qbrender" "$log" "$work/a.png")
  selected=$(run "$bin/qbrender" "$log" "$work/b.png" --select "$row")
  copied=$(run "$bin/qbrender" "$log" "$work/b.png" --select "$row" --copy-inspector "$work/copy.txt")
  extra=""
  case $name in
    properties-long-key | table-50mb | strlist-10mb-lf)
      extra="print: $(run "$bin/qbrender" "$log" "$work/c.png" --select "$row" --print-inspector "$work/p.pdf")" ;;
    sparse-2gb)
      extra="dump: $(run "$bin/qbltool" dump "$log")" ;;
  esac
  printf '%-20s | %s | %s | %s | %s\n' "$name" "$loaded" "$selected" "$copied" "$extra"
  rm -f "$log" "$work"/*.png "$work/copy.txt" "$work/p.pdf"
done
