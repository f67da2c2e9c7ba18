#!/usr/bin/env bash
# Hostile input end to end, through the real programs.
#   hostile_test.sh BIN_DIR DISK_FULL_LIB [--files-only]
# Files: a pipe as a log, a device node as an output and an output onto its own log (export, print,
# render, and a save of a log read only up to an invalid record) are refused by every qbltool
# subcommand with exit 2 and nothing blocks or is replaced; a write onto a full disk (DISK_FULL_LIB,
# tests/hostile/qbdiskfull.cpp) names the system's reason; a project's view names in an error line
# are escaped and cut. Logs: every input of
# tests/hostile/QBHostileInputs.cpp is met as its table says: loaded into the offscreen window with its
# hostile row selected and the inspector's contents copied (some also printed, or dumped), organized
# by thread by qbltool, loaded into the window with Auto-Organize by thread on, or, for a project
# file, read by qbltool (or refused); each run within a processor time and a peak memory limit; the
# limits are far below what these inputs cost before they were bounded.
# --files-only leaves the logs out (sanitizer builds, whose memory and time say nothing here).
set -u
bin=$1
disk_full_lib=$2
files_only=${3:-}
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

# Every output refuses its input as export does, with one error line; a PDF, a picture and a
# pipe as the PDF neither replace nor block. The window's outputs go through the same check.
cp "$dir/a.qbl" "$dir/b.qbl"
expect_exit 2 "print onto its log" "$bin/qbltool" print --pdf "$dir/b.qbl" "$dir/b.qbl"
[ "$(wc -l <"$dir/err.txt")" -eq 1 ] && grep -q "it is the log being printed" "$dir/err.txt" ||
  fail "print onto its log: not the one error line ($(cat "$dir/err.txt"))"
expect_exit 2 "print onto a link to its log" "$bin/qbltool" print --pdf "$dir/link.qbl" "$dir/b.qbl"
expect_exit 2 "print to a pipe" "$bin/qbltool" print --pdf "$dir/pipe.qbl" "$dir/a.qbl"
expect_exit 2 "render onto a link to its log" "$bin/qbltool" render "$dir/b.qbl" "$dir/link.qbl"
cmp -s "$dir/a.qbl" "$dir/b.qbl" || fail "the printed or drawn log was changed"
[ -p "$dir/pipe.qbl" ] || fail "the pipe was replaced by a PDF"

# A log whose load stops at an invalid record (100 good records, 1 invalid, 900 more) is never
# saved over: the 900 records after the stop are in the file alone. Saved elsewhere it gives the 100.
"$bin/qbhostile" invalid-mid "$dir/mid.qbl" || fail "invalid-mid: not written"
cp "$dir/mid.qbl" "$dir/mid-copy.qbl"
expect_exit 2 "save onto its log read in part" "$bin/qbltool" save "$dir/mid.qbl" "$dir/mid.qbl"
grep -q "read only up to its invalid record" "$dir/err.txt" || fail "no reason for the refused save"
cmp -s "$dir/mid.qbl" "$dir/mid-copy.qbl" || fail "the log read in part was replaced"
expect_exit 1 "save of a log read in part elsewhere" "$bin/qbltool" save "$dir/mid.qbl" "$dir/mid-100.qbl"
[ "$("$bin/qbltool" dump "$dir/mid-100.qbl" | wc -l)" -eq 100 ] || fail "the save elsewhere lacks the 100 messages"

# A full disk: each output names the system's reason and the previous file stays.
mkdir "$dir/full"
echo previous >"$dir/full/out"
for out in "save|$dir/a.qbl $dir/full/out" "export xml|--format xml $dir/a.qbl $dir/full/out" \
  "export txt|--format txt $dir/a.qbl $dir/full/out" "print|--pdf $dir/full/out $dir/a.qbl"; do
  label=${out%%|*}
  read -r -a args <<<"${out#*|}"
  command=${label%% *}
  QB_DISK_FULL=$dir/full LD_PRELOAD=$disk_full_lib ASAN_OPTIONS=verify_asan_link_order=0 \
    expect_exit 2 "$label onto a full disk" "$bin/qbltool" "$command" "${args[@]}"
  grep -q "No space left on device" "$dir/err.txt" || fail "$label onto a full disk: $(cat "$dir/err.txt")"
  [ "$(cat "$dir/full/out")" = previous ] || fail "$label onto a full disk replaced the previous file"
done

# A project's names in an error line: no raw ESC or BEL, a NUL cuts nothing, at most 20 names.
{
  printf '[Views]\nViewCount=30\n1_ViewNameEncoded=bell%%07esc%%1B[2Jnul%%00end\n1_ViewName=x\n1_ViewClassName=Default\n'
  for n in $(seq 2 30); do printf '%d_ViewName=View %d\n%d_ViewClassName=Default\n' "$n" "$n" "$n"; done
} >"$dir/names.qbp"
expect_exit 2 "an unknown view of a project with hostile names" \
  "$bin/qbltool" save --project "$dir/names.qbp" --view "$(printf 'x\033')" "$dir/a.qbl" "$dir/out.qbl"
[ "$(wc -l <"$dir/err.txt")" -eq 1 ] || fail "the names took more than one line"
LC_ALL=C grep -q "$(printf '[\001-\010\016-\037]')" "$dir/err.txt" && fail "a control character reached the error line"
grep -qF "'bell\x07esc\x1b[2Jnul\x00end'" "$dir/err.txt" || fail "the escaped name: $(cat "$dir/err.txt")"
grep -qF "'View 20', ... and 10 more" "$dir/err.txt" || fail "the names were not cut after 20"

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
