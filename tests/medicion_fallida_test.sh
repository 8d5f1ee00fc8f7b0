#!/usr/bin/env bash
# The benchmark's case of yntrape with Q 0 ends with the window's zero-check
# message: the case fails (status 1) and says which calculation and which message.
set -uo pipefail
benchmark="$1"
salida="$("$benchmark" --caso yntrape q=0 2>&1 >/dev/null)"
estado=$?
esperado='benchmark: yntrape: "&Calcular" ends with the message "Complete adecuadamente el ingreso de datos, antes de ejecutar "'
if [ "$estado" -ne 1 ] || ! grep -qxF "$esperado" <<<"$salida"; then
  echo "exit $estado (1 expected), and the line"
  echo "  $esperado"
  echo "expected among:"
  echo "$salida"
  exit 1
fi
# The same case with its own data calculates.
"$benchmark" --caso yntrape >/dev/null
