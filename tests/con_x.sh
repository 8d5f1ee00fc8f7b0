#!/usr/bin/env bash
# Runs a command on a virtual X display of its own: Xvfb on a free display, the
# command with DISPLAY and QT_QPA_PLATFORM=xcb set, the server ended after it.
# Exits with the command's status, or 77 (skipped), saying so, only where no X
# server can start.
#
#   tests/con_x.sh <command> [arguments]
set -uo pipefail

if ! command -v Xvfb >/dev/null; then
  echo "SKIPPED: no X server can start here (Xvfb is missing)"
  exit 77
fi

carpeta="$(mktemp -d)"
xvfb=""
terminar() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$carpeta"
}
trap terminar EXIT

# The server picks a free display and writes its number to the file.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$carpeta/pantalla" \
  >"$carpeta/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$carpeta/pantalla" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$carpeta/pantalla" ]; then
  echo "SKIPPED: no X server can start here (Xvfb: $(tr '\n' ' ' <"$carpeta/xvfb.log"))"
  exit 77
fi
export DISPLAY=":$(head -n1 "$carpeta/pantalla")"
export QT_QPA_PLATFORM=xcb

"$@"
estado=$?
exit "$estado"
