#!/usr/bin/env bash
# qbltool render end to end: a generated log gives a PNG; a missing log exits 2, an invalid one 1,
# and neither hangs on a dialog nobody can answer.
set -u
bin=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$bin/qbltool" gen --count 500 "$dir/a.qbl" || fail "gen"
"$bin/qbltool" render "$dir/a.qbl" "$dir/a.png" --size 800x600 || fail "render exited $?"
head -c 8 "$dir/a.png" | od -An -tx1 | grep -q "89 50 4e 47" || fail "no PNG written"

timeout 60 "$bin/qbltool" render "$dir/missing.qbl" "$dir/m.png" 2>/dev/null
[ $? -eq 2 ] || fail "missing log should exit 2"

printf 'abcdefgh' > "$dir/bad.qbl"
timeout 60 "$bin/qbltool" render "$dir/bad.qbl" "$dir/b.png" 2>/dev/null
[ $? -eq 1 ] || fail "invalid log should exit 1"
[ ! -e "$dir/b.png" ] || fail "invalid log should not be drawn"
echo "render: ok"
