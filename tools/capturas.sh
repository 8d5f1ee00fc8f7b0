#!/usr/bin/env bash
# Pictures of every window of the program for a look review: the main window
# with each menu dropped down, then every window its menus open, with one sound
# data set typed in and calculated on every page, and the calculator.
# Each is a PNG of the window with its frame, taken on a virtual X display with
# the program's own window system (not the headless one the tests use).
#
#   tools/capturas.sh [folder]      (default /tmp/capturas)
#
# Frames and title bars need a window manager: openbox, installed with Xvfb when
# missing; without one the pictures show the client area only.
# BUILD names the build folder (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
carpeta="${1:-/tmp/capturas}"
build="${BUILD:-build}"

if [ "$(id -u)" = 0 ]; then
  source tools/paquetes.sh
  instalar_paquetes "${PAQUETES[@]}" openbox
fi

[ -d "$build" ] || cmake --preset default -B "$build" >/dev/null
cmake --build "$build" --target capturas
mkdir -p "$carpeta"
# Only the pictures a former run left; nothing else in the folder is touched.
rm -f "$carpeta"/[0-9][0-9]_*.png

programa="$(realpath "$build/tools/capturas/capturas")"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash -c '
  gestor=""
  if command -v openbox >/dev/null 2>&1; then
    openbox >/dev/null 2>&1 &
    gestor=$!
    sleep 1
  else
    echo "no window manager: the pictures will have no frames" >&2
  fi
  estado=0
  QT_QPA_PLATFORM=xcb "$0" "$1" || estado=$?
  if [ -n "$gestor" ]; then kill "$gestor" 2>/dev/null || true; fi
  exit "$estado"
' "$programa" "$carpeta"
echo "pictures in $carpeta"
