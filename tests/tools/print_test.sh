#!/usr/bin/env bash
# qbltool print end to end: a generated log gives a PDF whose text holds the page header, the column
# heading and the rows; bad options, a missing log and an invalid one give their exit codes.
set -u
bin=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$bin/qbltool" gen --count 400 "$dir/a.qbl" || fail "gen"
"$bin/qbltool" print --pdf "$dir/a.pdf" --title "Generated Report" --font-size 9 --columns category,pid,timestamp \
  "$dir/a.qbl" || fail "print exited $?"
pages=$(pdfinfo "$dir/a.pdf" | sed -n 's/^Pages: *//p')
[ "${pages:-0}" -ge 2 ] || fail "expected several pages, got '${pages:-none}'"
text=$(pdftotext -layout "$dir/a.pdf" -)
for want in "Generated Report" "Page: 1" "Page: $pages" "Message" "Category" "PID" "Time Stamp"; do
  grep -qF -- "$want" <<<"$text" || fail "the report lacks '$want'"
done
[ "$(pdfimages -list "$dir/a.pdf" | grep -c ' image ')" -ge 5 ] || fail "no message icons"

# A filter prints only its rows; without --title the title is the log's name.
"$bin/qbltool" print --pdf "$dir/f.pdf" --types 2 "$dir/a.qbl" || fail "filtered print"
ftext=$(pdftotext -layout "$dir/f.pdf" -)
grep -qF "a.qbl" <<<"$ftext" || fail "the default title is the log's name"

# A view of a project file chooses the rows as a filter does; an unknown view name is a usage error.
printf '[Views]\nViewCount=1\n1_ViewName=Errors\n1_ViewClassName=Default\n\n[1_Errors]\nCheckMsgTypes=1\nMsgTypes=0010\n' \
  > "$dir/v.qbp"
"$bin/qbltool" print --pdf "$dir/p.pdf" --project "$dir/v.qbp" --view Errors "$dir/a.qbl" || fail "project print"
[ "$(pdftotext -layout "$dir/p.pdf" - | wc -l)" -gt 5 ] || fail "the project's view printed no rows"
# The same rows as the filter printed; each page header holds the time of printing.
cmp -s <(pdftotext -layout "$dir/p.pdf" - | grep -v "Page: ") <(pdftotext -layout "$dir/f.pdf" - | grep -v "Page: ") ||
  fail "the project's view did not print the rows of its filter"
timeout 60 "$bin/qbltool" print --pdf "$dir/q.pdf" --project "$dir/v.qbp" --view Nope "$dir/a.qbl" 2>/dev/null
[ $? -eq 2 ] || fail "an unknown project view should exit 2"

# Usage errors exit 2 and write nothing.
for args in "--font-size 40 --pdf $dir/u.pdf $dir/a.qbl" "$dir/a.qbl" "--pdf $dir/u.pdf" "--pdf $dir/u.pdf --bogus 1 $dir/a.qbl"; do
  # shellcheck disable=SC2086
  timeout 60 "$bin/qbltool" print $args 2>/dev/null
  [ $? -eq 2 ] || fail "'print $args' should exit 2"
done
[ ! -e "$dir/u.pdf" ] || fail "a usage error wrote a file"

timeout 60 "$bin/qbltool" print --pdf "$dir/m.pdf" "$dir/missing.qbl" 2>/dev/null
[ $? -eq 2 ] || fail "missing log should exit 2"

# An invalid log prints what was read before the bad record and exits 1.
head -c 20000 "$dir/a.qbl" > "$dir/bad.qbl"
printf 'garbage!' >> "$dir/bad.qbl"
timeout 60 "$bin/qbltool" print --pdf "$dir/b.pdf" "$dir/bad.qbl" 2>"$dir/err.txt"
[ $? -eq 1 ] || fail "invalid log should exit 1"
grep -q "not a valid log file" "$dir/err.txt" || fail "no error line for the invalid log"
[ -s "$dir/b.pdf" ] || fail "the messages before the bad record were not printed"

# A PDF that cannot be written exits 2.
timeout 60 "$bin/qbltool" print --pdf "$dir/no/such/folder/x.pdf" "$dir/a.qbl" 2>/dev/null
[ $? -eq 2 ] || fail "an unwritable PDF should exit 2"
echo "print: ok"
