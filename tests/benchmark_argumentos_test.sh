#!/usr/bin/env bash
# An unknown argument, or a count missing after its switch, stops the benchmark
# with its usage and status 2; tools/benchmark.sh does the same before it
# installs or builds anything (its package and build tools are replaced here by
# ones that leave a mark).
set -uo pipefail
benchmark="$1"
fuente="$(cd "$(dirname "$0")/.." && pwd)"
falta=0

espera_uso() { # what, status, output
  if [ "$2" -ne 2 ] || ! grep -q '^usage: ' <<<"$3"; then
    echo "$1: exit $2 (2 expected) with the usage, got:"
    echo "$3"
    falta=1
  fi
}

salida="$("$benchmark" --help 2>&1)"
espera_uso "quelmora_benchmark --help" $? "$salida"
salida="$("$benchmark" --comprobar --rondas 2>&1)"
espera_uso "quelmora_benchmark --comprobar --rondas" $? "$salida"

sustitutos="$(mktemp -d)"
trap 'rm -rf "$sustitutos"' EXIT
for orden in cmake apt-get dpkg-query; do
  printf '#!/bin/sh\ntouch "%s/usado"\nexit 1\n' "$sustitutos" >"$sustitutos/$orden"
  chmod +x "$sustitutos/$orden"
done
salida="$(PATH="$sustitutos:$PATH" "$fuente/tools/benchmark.sh" --rondas 9 --help 2>&1)"
espera_uso "tools/benchmark.sh --rondas 9 --help" $? "$salida"
if [ -e "$sustitutos/usado" ]; then
  echo "tools/benchmark.sh installed or built before it checked its arguments"
  falta=1
fi
exit $falta
