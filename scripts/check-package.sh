#!/usr/bin/env bash
# Builds the Debian package from an existing build folder (cpack) and checks, as root on Debian 12,
# that it installs and removes cleanly: dpkg -i, the installed programs, the desktop entry and the
# MIME database as the package's triggers leave them, dpkg -r, dpkg -P.
# usage: scripts/check-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
package=quillbox-viewer
fail() { echo "FAIL: $*" >&2; exit 1; }

if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "installed"; then
  fail "$package is installed on this machine already; remove it first"
fi
rm -f "$build"/${package}_*.deb
(cd "$build" && cpack -G DEB > cpack.log) || { cat "$build/cpack.log"; fail "cpack"; }
deb=$(ls "$build"/${package}_*.deb)
work=$(mktemp -d)
trap 'rm -rf "$work"; dpkg -P "$package" > /dev/null 2>&1 || true' EXIT

dpkg -i "$deb"
files=$(dpkg -L "$package")
grep -qx /usr/lib/quillbox/Bin/PlugIns/QBSamplePlugIn.so <<< "$files" || fail "no sample plug-in"
grep -qx "InstallPath=/usr/lib/quillbox/" /etc/xdg/Tolvane/Quillbox.conf || fail "Quillbox.conf"

export HOME=$work/home QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
got=$(env -u XDG_CONFIG_DIRS /usr/lib/quillbox/Bin/qbrender --plugins 2>/dev/null)
[ "$got" = "$(printf 'QBSamplePlugIn.so\tLoaded')" ] || fail "plug-ins of the installed viewer: '$got'"
qbltool gen --count 100 "$work/a.qbl"
qbltool render "$work/a.qbl" "$work/a.png" 2>/dev/null || fail "qbltool render"
desktop-file-validate /usr/share/applications/quillbox-viewer.desktop || fail "desktop-file-validate"
# The package's triggers brought the file types and the desktop entry into the system's databases.
grep -qx "50:application/x-quillbox-log:\*.qbl" /usr/share/mime/globs2 || fail "MIME database: no .qbl"
grep -q "^application/x-quillbox-log=.*quillbox-viewer.desktop" /usr/share/applications/mimeinfo.cache ||
  fail "desktop database: the viewer does not open .qbl files"
[ -x /usr/bin/QBFileViewer ] || fail "QBFileViewer is not on the search path"

dpkg -r "$package"
for f in $files; do
  [ "$f" = /etc/xdg/Tolvane/Quillbox.conf ] && continue
  # Folders the package shares with others stay.
  [ -d "$f" ] && continue
  [ ! -e "$f" ] && [ ! -L "$f" ] || fail "$f is still there after dpkg -r"
done
[ ! -e /usr/lib/quillbox ] || fail "/usr/lib/quillbox is still there after dpkg -r"
! grep -q "quillbox" /usr/share/mime/globs2 || fail "the MIME database still knows the file types"
! grep -q "quillbox-viewer.desktop" /usr/share/applications/mimeinfo.cache 2>/dev/null ||
  fail "the desktop database still names the viewer"
[ -e /etc/xdg/Tolvane/Quillbox.conf ] || fail "dpkg -r removed the configuration file"
dpkg -P "$package"
[ ! -e /etc/xdg/Tolvane/Quillbox.conf ] || fail "dpkg -P left the configuration file"
echo "package $(basename "$deb") installs and removes cleanly"
