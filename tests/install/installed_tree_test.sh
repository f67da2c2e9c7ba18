#!/usr/bin/env bash
# The installed tree: `cmake --install` into a temporary prefix, then the installed programs run from
# there and find their install folder and plug-ins by themselves (through the config file and, without
# it, through their own place), and the desktop files pass the desktop's own validators.
# usage: installed_tree_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/usr
app=$prefix/lib/quillbox
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log"; fail "install"; }

for f in bin/QBFileViewer bin/qbltool lib/quillbox/Bin/QBFileViewer lib/quillbox/Bin/qbltool \
         lib/quillbox/Bin/qbrender lib/quillbox/Bin/qbprint lib/quillbox/Bin/libQuillboxPlugIns120.so \
         lib/quillbox/Bin/PlugIns/QBSamplePlugIn.so etc/xdg/Tolvane/Quillbox.conf \
         share/applications/quillbox-viewer.desktop share/mime/packages/quillbox-viewer.xml \
         share/icons/hicolor/scalable/apps/quillbox-viewer.svg share/man/man1/qbltool.1; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
[ "$(readlink "$prefix/bin/qbltool")" = "../lib/quillbox/Bin/qbltool" ] || fail "bin/qbltool is no link into Bin/"
grep -qx "InstallPath=$app/" "$prefix/etc/xdg/Tolvane/Quillbox.conf" || fail "Quillbox.conf: $(cat "$prefix/etc/xdg/Tolvane/Quillbox.conf")"

# The installed programs use the installed host library, not the build folder's.
for p in QBFileViewer qbltool qbrender qbprint PlugIns/QBSamplePlugIn.so; do
  found=$(ldd "$app/Bin/$p" | sed -n 's/.*libQuillboxPlugIns120.so => \([^ ]*\) .*/\1/p')
  [ -n "$found" ] && [ "$(realpath "$found")" = "$app/Bin/libQuillboxPlugIns120.so" ] ||
    fail "$p does not find the installed host library: '$found'"
done

export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
plugins=$(printf 'QBSamplePlugIn.so\tLoaded')
got=$(XDG_CONFIG_DIRS=$prefix/etc/xdg "$app/Bin/qbrender" --plugins 2>/dev/null)
[ "$got" = "$plugins" ] || fail "plug-ins through the config file: '$got'"
got=$(XDG_CONFIG_DIRS=$work/no-config "$app/Bin/qbrender" --plugins 2>/dev/null)
[ "$got" = "$plugins" ] || fail "plug-ins found from the program's place: '$got'"

# qbltool through its link, with qbrender beside its real place.
"$prefix/bin/qbltool" gen --count 200 "$work/a.qbl"
"$prefix/bin/qbltool" stats "$work/a.qbl" | grep -q "200" || fail "qbltool stats"
"$prefix/bin/qbltool" render "$work/a.qbl" "$work/a.png" --size 640x480 2>/dev/null || fail "qbltool render"
[ -s "$work/a.png" ] || fail "no picture"
"$prefix/bin/qbltool" print --pdf "$work/a.pdf" "$work/a.qbl" 2>/dev/null || fail "qbltool print"
[ -s "$work/a.pdf" ] || fail "no printed report"
# A user without a documents folder ran the programs: nothing of theirs went into the install folder.
[ -z "$(find "$app" -name 'My Quillbox Files')" ] || fail "the programs made folders in the install folder"

# The desktop entry, the file types and the manual page, checked by the desktop's own tools.
desktop=$prefix/share/applications/quillbox-viewer.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx "Exec=$prefix/bin/QBFileViewer %f" "$desktop" || fail "Exec line: $(grep ^Exec "$desktop")"
cp -r "$prefix/share/mime" "$work/mime"
update-mime-database "$work/mime"
grep -qx "50:application/x-quillbox-log:\*.qbl" "$work/mime/globs2" || fail "no glob for .qbl"
grep -qx "50:application/x-quillbox-project:\*.qbp" "$work/mime/globs2" || fail "no glob for .qbp"
grep -q "application/x-quillbox-log" "$work/mime/magic" || fail "no magic for logs"
cp -r "$prefix/share/applications" "$work/applications"
update-desktop-database "$work/applications"
grep -q "^application/x-quillbox-log=quillbox-viewer.desktop" "$work/applications/mimeinfo.cache" ||
  fail "the viewer does not open logs: $(cat "$work/applications/mimeinfo.cache")"
python3 -c "import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])" \
  "$prefix/share/icons/hicolor/scalable/apps/quillbox-viewer.svg" || fail "the icon is no well-formed SVG"
warnings=$(MANWIDTH=80 man --warnings -l -Tutf8 "$prefix/share/man/man1/qbltool.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "qbltool.1: $warnings"
# Every command of docs/qbltool.md is in the manual page's synopsis.
synopsis=$(MANWIDTH=200 man -l -Tutf8 "$prefix/share/man/man1/qbltool.1" 2>/dev/null | col -b |
           sed -n '/^SYNOPSIS/,/^DESCRIPTION/p')
for command in $(sed -n 's/^## \([a-z]*\) .*/\1/p' "$source/docs/qbltool.md"); do
  grep -q "qbltool $command" <<< "$synopsis" || fail "qbltool.1 lacks the command '$command'"
done
echo "installed tree OK"
