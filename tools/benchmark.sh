#!/usr/bin/env bash
# Builds the release preset in build-release/ (apart from the everyday build/)
# and runs the benchmark under the offscreen platform; prints the table with
# each figure against its target. Arguments go to the benchmark, such as
# --arranques 20 (starts of each program) or --rondas 9 (runs of each window).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/paquetes.sh
instalar_paquetes "${PAQUETES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" >/dev/null
export QT_QPA_PLATFORM=offscreen
echo "Load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
exec ./build-release/tools/benchmark/quelmora_benchmark "$@"
