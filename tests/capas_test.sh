#!/usr/bin/env bash
# The layer check on a small tree of its own: it names every forbidden include,
# with its file and line, and lets every allowed one pass.
set -euo pipefail
capas="$(cd "$(dirname "$0")/.." && pwd)/tools/capas.sh"
arbol="$(mktemp -d)"
trap 'rm -rf "$arbol"' EXIT

escribir() {
  mkdir -p "$(dirname "$arbol/$1")"
  printf '%s\n' "${@:2}" >"$arbol/$1"
}

# Allowed: the core on hydraulics/ and frame/core/, a window on its own core,
# the frame and resources, app/ on every window.
escribir hydraulics/manning.h '#include <cmath>' '#include "frame/core/numeros.h"'
escribir uniform_flow/core/caudal.cpp '#include "uniform_flow/core/caudal.h"' \
  '#include "hydraulics/manning.h"'
escribir uniform_flow/qtrape.cpp '#include <QWidget>' '#include "qtrape.h"' \
  '#include "uniform_flow/core/caudal.h"' '#include "frame/controles.h"' \
  '#include "resources/imagenes.h"'
escribir app/registro.cpp '#include "measurement/frmVertederos.h"' '#include "frame/ventanas.h"'
escribir frame/controles.cpp '#include "resources/imagenes.h"' '#include "frame/core/numeros.h"'
escribir critical_flow/core/calculo_critico.h '#include "hydraulics/manning.h"'

# Forbidden, one of each kind.
escribir frame/ventanas.h '#include "app/reposo.h"'
escribir hydraulics/newton.cpp '#include <QtCore/QDebug>'
escribir measurement/core/vertederos.cpp '#include <QString>' '#include "frame/controles.h"' \
  '  #  include "critical_flow/core/calculo_critico.h"'
escribir resources/imagenes.cpp '#include "measurement/dibujos_medicion.h"'
escribir structures/TranAlEn.cpp '#include "../measurement/frmVertederos.h"' \
  '#include "uniform_flow/core/caudal.h"'
# A folder the check has never heard of is a feature folder as soon as it exists.
escribir hydrology/escorrentia.cpp '#include "hydrology/escorrentia.h"' '#include "frame/controles.h"' \
  '#include "structures/TranAlEn.h"'

esperado="$arbol/frame/ventanas.h:1: #include \"app/reposo.h\": frame/ includes no feature folder
$arbol/hydraulics/newton.cpp:1: #include <QtCore/QDebug>: hydraulics/ and core/ include no Qt
$arbol/hydrology/escorrentia.cpp:3: #include \"structures/TranAlEn.h\": hydrology/ includes no other feature folder
$arbol/measurement/core/vertederos.cpp:1: #include <QString>: hydraulics/ and core/ include no Qt
$arbol/measurement/core/vertederos.cpp:2: #include \"frame/controles.h\": hydraulics/ and core/ include only hydraulics/ and core/ folders
$arbol/measurement/core/vertederos.cpp:3: #include \"critical_flow/core/calculo_critico.h\": measurement/ includes no other feature folder
$arbol/resources/imagenes.cpp:1: #include \"measurement/dibujos_medicion.h\": resources/ includes no feature folder
$arbol/structures/TranAlEn.cpp:1: #include \"../measurement/frmVertederos.h\": structures/ includes no other feature folder
$arbol/structures/TranAlEn.cpp:2: #include \"uniform_flow/core/caudal.h\": structures/ includes no other feature folder
9 forbidden includes in $arbol/"

estado=0
salida="$("$capas" "$arbol")" || estado=$?
if [ "$estado" -ne 1 ] || [ "$salida" != "$esperado" ]; then
  echo "exit $estado (1 expected); the differences from the expected report:"
  diff <(echo "$esperado") <(echo "$salida") || true
  exit 1
fi

# Without the forbidden files the same tree passes.
rm "$arbol/frame/ventanas.h" "$arbol/hydraulics/newton.cpp" "$arbol/measurement/core/vertederos.cpp" \
  "$arbol/resources/imagenes.cpp" "$arbol/structures/TranAlEn.cpp" "$arbol/hydrology/escorrentia.cpp"
"$capas" "$arbol"
