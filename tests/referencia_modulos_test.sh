#!/usr/bin/env bash
# The benchmark's reference loads every Qt library the program loads, so that
# its start-up and memory are a floor of the same kind.
set -euo pipefail
programa="$1"
referencia="$2"
faltan="$(comm -23 <(ldd "$programa" | grep -o 'libQt6[A-Za-z]*' | sort -u) \
  <(ldd "$referencia" | grep -o 'libQt6[A-Za-z]*' | sort -u))"
if [ -n "$faltan" ]; then
  echo "the reference does not load:" $faltan
  exit 1
fi
