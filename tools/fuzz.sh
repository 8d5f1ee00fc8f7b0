#!/usr/bin/env bash
# Fuzzes the number reader and the mask writer for a bounded time (seconds,
# default 60) on a copy of the seed corpus. Exits non-zero on any finding; the
# input that shows it is left in build-fuzz/hallazgos/.
# Needs clang and its libFuzzer runtime, installed here when missing; the
# ordinary gcc build does not use them.
set -euo pipefail
cd "$(dirname "$0")/.."
SEGUNDOS="${1:-60}"

# clang and its libFuzzer runtime besides the normal build's packages.
source tools/paquetes.sh
instalar_paquetes "${PAQUETES[@]}" clang-14 libclang-rt-14-dev

# Built by CMake with the fuzz preset (clang-14) into build-fuzz/.
SALIDA=build-fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" >/dev/null

# The fuzzer adds what it finds to its corpus: it works on a copy, so the
# committed seeds stay as they are.
rm -rf "$SALIDA/corpus" "$SALIDA/hallazgos"
mkdir -p "$SALIDA/corpus" "$SALIDA/hallazgos"
cp tests/fuzz/corpus/* "$SALIDA/corpus/"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=abort_on_error=1
"$SALIDA/tests/fuzz/numeros_fuzz" -max_total_time="$SEGUNDOS" -timeout=10 -rss_limit_mb=2048 \
  -dict=tests/fuzz/numeros.dict -print_final_stats=1 -artifact_prefix="$SALIDA/hallazgos/" "$SALIDA/corpus"
