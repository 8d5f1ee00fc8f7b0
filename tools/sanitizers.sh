#!/usr/bin/env bash
# Builds every target with address, leak and undefined-behaviour checks into
# build-asan/ (the sanitizers preset; BUILD_DIR=<folder> for another) and runs
# the whole test suite there, headless; arguments go to ctest, so -R <pattern>
# runs some of it. Any memory fault, leak of ours or undefined arithmetic stops
# the test that met it, and the script ends non-zero. Extra checks (e.g.
# float-divide-by-zero) can be asked for with
# QUELMORA_SANITIZE_EXTRA=float-divide-by-zero; jobs with JOBS=n.
set -euo pipefail
cd "$(dirname "$0")/.."
raiz=$(pwd)

# The packages of the normal build; the checking runtimes come with g++.
source tools/paquetes.sh
instalar_paquetes "${PAQUETES[@]}" libasan8 libubsan1

JOBS=${JOBS:-$(nproc)}
BUILD_DIR=${BUILD_DIR:-build-asan}
inicio=$(date +%s)

cmake --preset sanitizers -B "$BUILD_DIR" -DQUELMORA_SANITIZE_EXTRA="${QUELMORA_SANITIZE_EXTRA:-}" >/dev/null
cmake --build "$BUILD_DIR" -j"$JOBS"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1:exitcode=23"
export LSAN_OPTIONS="suppressions=$raiz/tools/lsan.supp:print_suppressions=0:report_objects=1"
# An extra check asked for only to be counted reports and carries on.
if [ -n "${QUELMORA_SANITIZE_EXTRA:-}" ]; then
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=0"
else
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi

cd "$BUILD_DIR"
estado=0
ctest --output-on-failure -j"$JOBS" --timeout 600 "$@" || estado=$?
echo "Checked run took $(( $(date +%s) - inicio )) s"
exit $estado
