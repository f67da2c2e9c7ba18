#!/usr/bin/env bash
# Hostile input end to end, through the real programs.
#   hostile_test.sh BIN_DIR [--files-only]
# Files: a pipe as a log, a device node as an output and an export onto its own log are refused by
# every qbltool subcommand with exit 2 and nothing blocks or is replaced. Logs: every input of
# tests/hostile/QBHostileInputs.cpp is met as its table says: loaded into the offscreen window with its
# hostile row selected and the inspector's contents copied (some also printed, or dumped), organized
# by thread by qbltool, loaded into the window with Auto-Organize by thread on, or, for a project
# file, read by qbltool (or refused); each run within a processor time and a peak memory limit; the
# limits are far below what these inputs cost before they were bounded.
# --files-only leaves the logs out (sanitizer builds, whose memory and time say nothing here).
set -u
bin=$1
files_only=${2:-}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# expect_exit STATUS LABEL COMMAND...: runs the command with a time limit (a blocked open would hit it).
expect_exit() {
  local want=$1 label=$2
  shift 2
  timeout 30 "$@" >/dev/null 2>"$dir/err.txt"
  local got=$?
  [ "$got" -eq "$want" ] || fail "$label: exit $got, expected $want ($(head -c 200 "$dir/err.txt"))"
}

# --- Files -----------------------------------------------------------------------------------------
"$bin/qbltool" gen --count 50 "$dir/a.qbl" || fail "gen"
mkfifo "$dir/pipe.qbl"
expect_exit 2 "dump of a pipe" "$bin/qbltool" dump "$dir/pipe.qbl"
expect_exit 2 "stats of a pipe" "$bin/qbltool" stats "$dir/pipe.qbl"
expect_exit 2 "save of a pipe" "$bin/qbltool" save "$dir/pipe.qbl" "$dir/out.qbl"
expect_exit 2 "export of a pipe" "$bin/qbltool" export --format txt "$dir/pipe.qbl" "$dir/out.txt"
expect_exit 2 "render of a pipe" "$bin/qbltool" render "$dir/pipe.qbl" "$dir/out.png"
expect_exit 2 "dump of a folder" "$bin/qbltool" dump "$dir"
mkfifo "$dir/pipe.qbp"
expect_exit 2 "a pipe as the project" "$bin/qbltool" save --project "$dir/pipe.qbp" --view V "$dir/a.qbl" "$dir/out.qbl"
expect_exit 2 "save to a pipe" "$bin/qbltool" save "$dir/a.qbl" "$dir/pipe.qbl"
[ -p "$dir/pipe.qbl" ] || fail "the pipe was replaced"

# A device node of our own (a copy of /dev/null) where one can be made: as root, replacing the real one
# would break the system.
if mknod "$dir/null" c 1 3 2>/dev/null; then
  expect_exit 2 "save to a device" "$bin/qbltool" save "$dir/a.qbl" "$dir/null"
  expect_exit 2 "export to a device" "$bin/qbltool" export --format xml "$dir/a.qbl" "$dir/null"
  [ -c "$dir/null" ] || fail "the device node was replaced"
else
  echo "device node cases skipped: mknod is not permitted here"
fi

cp "$dir/a.qbl" "$dir/b.qbl"
ln -s b.qbl "$dir/link.qbl"
expect_exit 2 "export onto its log" "$bin/qbltool" export --format xml "$dir/b.qbl" "$dir/b.qbl"
expect_exit 2 "export onto a link to its log" "$bin/qbltool" export --format txt "$dir/b.qbl" "$dir/link.qbl"
cmp -s "$dir/a.qbl" "$dir/b.qbl" || fail "the exported log was changed"
# Saving onto the log itself is allowed: it is read whole before it is replaced by a valid log.
expect_exit 0 "save onto its log" "$bin/qbltool" save "$dir/b.qbl" "$dir/b.qbl"
expect_exit 0 "the log saved onto itself reads" "$bin/qbltool" dump "$dir/b.qbl"
[ -s "$dir/b.qbl" ] || fail "saving a log onto itself emptied it"

# --- Logs ------------------------------------------------------------------------------------------
if [ "$files_only" != "--files-only" ]; then
  max_cpu=10        # seconds of processor time per run
  max_rss=700       # MB of peak resident memory per run
  export XDG_DATA_HOME=$dir/data XDG_CONFIG_HOME=$dir/config HOME=$dir/home
  mkdir -p "$XDG_DATA_HOME/Tolvane/Quillbox/4.0" "$HOME"
  # The inspector pane and the call stack shown, so a selection fills both.
  printf '[Display]\nInspector=1\nCallStack=1\n' >"$XDG_DATA_HOME/Tolvane/Quillbox/4.0/QBFileViewer.ini"
  # The same user with Auto-Organize by thread on.
  organizing=$dir/data-organizing
  mkdir -p "$organizing/Tolvane/Quillbox/4.0"
  printf '[Organizer]\nThreadName=1\nAutoOrganize=1\n' >"$organizing/Tolvane/Quillbox/4.0/QBFileViewer.ini"

  # within_limits LABEL COMMAND...: the command succeeds within max_cpu and max_rss.
  within_limits() {
    local label=$1
    shift
    if ! timeout 300 /usr/bin/time -o "$dir/time.txt" -f '%U %S %M' "$@" >/dev/null 2>"$dir/err.txt"; then
      fail "$label: failed ($(head -c 200 "$dir/err.txt"))"
      return
    fi
    read -r user sys rss <"$dir/time.txt"
    local verdict
    verdict=$(awk -v u="$user" -v s="$sys" -v m="$rss" -v c="$max_cpu" -v r="$max_rss" \
      'BEGIN { printf "%.2f s %d MB %s", u + s, m / 1024, (u + s <= c && m / 1024 <= r) ? "ok" : "over" }')
    echo "$label: $verdict"
    [ "${verdict##* }" = ok ] || fail "$label: over the limit of $max_cpu s and $max_rss MB"
  }

  while IFS=$'\t' read -r name row how _; do
    log=$dir/$name.qbl
    "$bin/qbhostile" "$name" "$log" || { fail "$name: not written"; continue; }
    case $how in
      inspect)
        within_limits "$name selected and copied" \
          "$bin/qbrender" "$log" "$dir/w.png" --select "$row" --copy-inspector "$dir/copy.txt"
        case $name in
          properties-long-key | table-50mb | strlist-10mb-lf)
            within_limits "$name printed" "$bin/qbrender" "$log" "$dir/w.png" --select "$row" --print-inspector "$dir/p.pdf" ;;
          sparse-2gb)
            within_limits "$name dumped" "$bin/qbltool" dump "$log" ;;
        esac ;;
      organize)
        within_limits "$name organized" "$bin/qbltool" organize --by thread "$log" ;;
      auto-organize)
        within_limits "$name loaded with Auto-Organize" \
          env XDG_DATA_HOME="$organizing" "$bin/qbrender" "$log" "$dir/w.png" ;;
      project\ *)
        within_limits "$name read" \
          "$bin/qbltool" save --project "$log" --view "${how#project }" "$dir/a.qbl" "$dir/out.qbl" ;;
      refused-project)
        expect_exit 2 "$name refused" "$bin/qbltool" save --project "$log" --view V "$dir/a.qbl" "$dir/out.qbl"
        grep -q "larger than 16 MB" "$dir/err.txt" || fail "$name: refused without the reason" ;;
      *)
        fail "$name: no test for '$how'" ;;
    esac
    rm -f "$log" "$dir/w.png" "$dir/copy.txt" "$dir/p.pdf" "$dir/out.qbl"
  done < <("$bin/qbhostile" --list)
fi

[ "$failures" -eq 0 ] || exit 1
echo "hostile input: ok"
