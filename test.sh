#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through CTest, headless:
# the program's, the layer check of src/ and the format check of every source
# file (the default test preset of CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")"
./tools/setup.sh
ctest --preset default -j"$(nproc)"
