#!/usr/bin/env bash
# Installs what the build needs (only what is missing) and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

PAQUETES=(cmake ninja-build g++ qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6svg6-dev
          libgl-dev libgtest-dev googletest locales xvfb xauth fonts-dejavu-core
          fonts-liberation)
faltan=()
for p in "${PAQUETES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if [ ${#faltan[@]} -gt 0 ]; then
  echo "Installing: ${faltan[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${faltan[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
