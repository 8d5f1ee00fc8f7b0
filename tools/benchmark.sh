#!/usr/bin/env bash
# Builds the release preset in build-release/ (apart from the everyday build/)
# and runs the benchmark under the offscreen platform; prints the table with
# each figure against its target. Arguments go to the benchmark:
#
#   tools/benchmark.sh [--arranques N] [--rondas N] [--comprobar]
#
# Any other argument prints the usage and stops it before the build, with
# status 2.
set -euo pipefail

uso() {
  cat >&2 <<'FIN'
usage: tools/benchmark.sh [--arranques N] [--rondas N] [--comprobar]
  --arranques N  starts of the program and of its reference (default 30)
  --rondas N     runs of each window's opening and calculations (default 9);
                 the memory row takes half as many
  --comprobar    runs every case once and only checks that each calculates
FIN
  exit 2
}
argumentos=("$@")
while [ $# -gt 0 ]; do
  case "$1" in
    --comprobar) shift ;;
    --arranques | --rondas)
      [[ "${2:-}" =~ ^[1-9][0-9]{0,5}$ ]] || uso
      shift 2
      ;;
    *) uso ;;
  esac
done

cd "$(dirname "$0")/.."
source tools/paquetes.sh
instalar_paquetes "${PAQUETES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" >/dev/null
export QT_QPA_PLATFORM=offscreen
exec ./build-release/tools/benchmark/quelmora_benchmark "${argumentos[@]}"
