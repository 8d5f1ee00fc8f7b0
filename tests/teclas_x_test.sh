#!/usr/bin/env bash
# The program on a virtual X display, typed at as a keyboard types: the X
# server's own key presses (xdotool, through XTEST), with its own order of
# modifiers (xdotool lets Shift go before the key it shifted). Through the menu
# and a calculation window's "C&alculadora" to the calculator, "12.5*2" and
# Return there, then the calculator's Copy: the display reads "25.".
#
#   tests/con_x.sh tests/teclas_x_test.sh <quelmora>
#
# tests/con_x.sh starts the display, or skips the test where none can start.
set -uo pipefail
programa="$1"

for herramienta in xdotool xclip; do
  command -v "$herramienta" >/dev/null || {
    echo "$herramienta is missing (tools/setup.sh installs it)"
    exit 1
  }
done

carpeta="$(mktemp -d)"
quelmora=""
terminar() {
  [ -n "$quelmora" ] && kill "$quelmora" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$carpeta"
}
trap terminar EXIT

"$programa" >"$carpeta/quelmora.log" 2>&1 &
quelmora=$!

# The window whose caption starts so, once it shows, focused.
enfocar() {
  local ventana
  ventana="$(timeout 20 xdotool search --sync --onlyvisible --name "^$1" | head -n1)"
  if [ -z "$ventana" ]; then
    echo "no window \"$1\" showed; the program said:"
    cat "$carpeta/quelmora.log"
    exit 1
  fi
  xdotool windowfocus --sync "$ventana"
  sleep 0.3
}

enfocar "QUELMORA la forma"
# "Tirante-&Normal", then its entry "Sección &Trapezoidal, Rec. Trian".
xdotool key alt+n
sleep 0.3
xdotool key t
enfocar "Cálculo de tirante normal secciones"
xdotool key alt+a
enfocar "Calculadora científica"
xdotool type --delay 60 "12.5*2"
xdotool key Return
sleep 0.3
xdotool key ctrl+c
sleep 0.3
pantalla="$(timeout 10 xclip -o -selection clipboard 2>&1)"
if [ "$pantalla" != "25." ]; then
  echo "12.5*2 and Return typed on the X keyboard: the display reads \"$pantalla\", \"25.\" expected"
  exit 1
fi
echo "12.5*2 and Return typed on the X keyboard: the display reads \"$pantalla\""
