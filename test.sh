#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through CTest, headless.
set -euo pipefail
cd "$(dirname "$0")"
./tools/setup.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)" --timeout 120
