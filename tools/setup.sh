#!/usr/bin/env bash
# Installs what the build needs (only what is missing) and builds into build/
# (the default preset of CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")/.."

source tools/paquetes.sh
instalar_paquetes "${PAQUETES[@]}"

cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)"
