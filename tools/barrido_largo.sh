#!/usr/bin/env bash
# The long random sweep of the calculation windows: every window filled [count]
# times (3000 unless given), each window in its own test process. The seeds are
# fixed, so a run repeats; QUELMORA_BARRIDO_SEMILLA=<number> draws other data.
set -euo pipefail
cd "$(dirname "$0")/.."
cuantos="${1:-3000}"
source tools/paquetes.sh
instalar_paquetes "${PAQUETES[@]}"
cmake --preset default >/dev/null
cmake --build --preset default -j"${JOBS:-3}" --target quelmora_ui_tests
export QT_QPA_PLATFORM=offscreen
export QUELMORA_BARRIDO="$cuantos"
cd build
ctest -R 'BarridoAleatorio' --output-on-failure -j"${JOBS:-3}" --timeout 36000
