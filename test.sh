#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through CTest, headless
# (the default test preset of CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")"
./tools/setup.sh
ctest --preset default -j"$(nproc)"
