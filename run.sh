#!/usr/bin/env bash
# Installs what is missing, builds and starts Quelmora.
set -euo pipefail
cd "$(dirname "$0")"
./tools/setup.sh
exec ./build/src/quelmora
