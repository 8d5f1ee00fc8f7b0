#!/usr/bin/env bash
# After the set-up every package of the list reads as installed, so that the
# next start of run.sh or test.sh calls no apt-get.
set -euo pipefail
source "$(dirname "$0")/../tools/paquetes.sh"
faltan="$(paquetes_que_faltan "${PAQUETES[@]}")"
if [ -n "$faltan" ]; then
  echo "not installed after the set-up:" $faltan
  exit 1
fi
echo "all ${#PAQUETES[@]} packages installed"
