#!/usr/bin/env bash
# The link-time layer check on object files of its own: it names each symbol a
# layer uses from a layer above it or beside it, and lets every allowed use pass.
set -euo pipefail
capas="$(cd "$(dirname "$0")/.." && pwd)/tools/capas_enlace.sh"
arbol="$(mktemp -d)"
trap 'rm -rf "$arbol"' EXIT

# Compiles the code into <tree>/CMakeFiles/x.dir/<path>.o, as the build lays out its objects.
objeto() {
  mkdir -p "$(dirname "$arbol/CMakeFiles/x.dir/$1")"
  printf '%s\n' "$2" | g++ -x c++ -c -o "$arbol/CMakeFiles/x.dir/$1.o" -
}

objeto hydraulics/manning.cpp 'double Manning(double n) { return 1.0 / n; }'
objeto measurement/core/vertederos.cpp 'double Manning(double); double Cresta() { return Manning(2); }'
objeto frame/descripcion.cpp 'void Ventanas(); void Descripcion() { Ventanas(); }'
objeto frame/controles.cpp 'double Manning(double); double Caja() { return Manning(1); }'
objeto measurement/frmVertederos.cpp 'double Cresta(); double Caja(); void Transicion();
  double Vertedero() { Transicion(); return Cresta() + Caja(); }'
objeto structures/TranAlEn.cpp 'void Transicion() {}'
objeto app/registro.cpp 'double Vertedero(); void Descripcion(); void Ventanas() { Descripcion(); Vertedero(); }'
objeto x_autogen/mocs_compilation.cpp 'void Ventanas(); void Moc() { Ventanas(); }'

esperado="frame/descripcion.cpp.o uses Ventanas() (upward), defined in app/registro.cpp.o
measurement/frmVertederos.cpp.o uses Transicion() (across), defined in structures/TranAlEn.cpp.o
2 uses of a symbol across or up the layers in $arbol/"

estado=0
salida="$("$capas" "$arbol")" || estado=$?
if [ "$estado" -ne 1 ] || [ "$salida" != "$esperado" ]; then
  echo "exit $estado (1 expected); the differences from the expected report:"
  diff <(echo "$esperado") <(echo "$salida") || true
  exit 1
fi

# With the frame taking the table from app/ and the weir its own transition, it passes.
objeto frame/descripcion.cpp 'void (*ventanas)(); void Descripcion() { ventanas(); }'
objeto measurement/frmVertederos.cpp 'double Cresta(); double Caja(); double Vertedero() { return Cresta() + Caja(); }'
"$capas" "$arbol"
