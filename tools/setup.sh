#!/usr/bin/env bash
# Installs what the build needs (only what is missing) and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

source tools/paquetes.sh
instalar_paquetes "${PAQUETES[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
