#!/usr/bin/env bash
# Builds the project, generates the demo log and opens it in the viewer. Without a display the same
# main window is drawn offscreen by `qbltool render` into build/demo/QBFileViewer.png, whose path is
# printed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
mkdir -p build/demo
demo="$(pwd)/build/demo/Demo.qbl"
build/bin/qbltool gen --count 20000 --seed 1 "$demo" >/dev/null
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/QBFileViewer "$demo"
fi
shot="$(pwd)/build/demo/QBFileViewer.png"
# Qt's notes about the missing session (runtime folder, bus) are noise here; a failure is not.
if ! build/bin/qbltool render "$demo" "$shot" --size 1280x800 2>/tmp/qbltool-render.err; then
  cat /tmp/qbltool-render.err >&2
  exit 1
fi
echo "No display: the viewer's window with $demo is in $shot"
