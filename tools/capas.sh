#!/usr/bin/env bash
# Checks that every #include in src/ points down the layers, and names each one
# that does not:
#
#   1. hydraulics/ and every core/ folder are plain C++: they include no Qt, and
#      of our own files only hydraulics/ and core/ folders (frame/core/ too).
#   2. frame/ and resources/, which every window shares, include no feature
#      folder.
#   3. A feature folder includes no other feature folder, core/ or not; its own
#      core/ is part of it. app/ is the program layer, not a feature: it may
#      include every window to register it, and no one includes it.
#
# The feature folders are every folder of src/ but hydraulics/, frame/ and
# resources/, so a new one is checked from the day it is made.
#
#   tools/capas.sh [folder]     (default src/ of this checkout)
#
# Exits 1 when an include breaks a rule. Only bash, grep and coreutils.
set -euo pipefail
cd "$(dirname "$0")/.."
raiz="${1:-src}"
raiz="${raiz%/}"
[ -d "$raiz" ] || {
  echo "no folder $raiz" >&2
  exit 2
}

funciones=" "
for d in "$raiz"/*/; do
  d="$(basename "$d")"
  [[ "$d" == hydraulics || "$d" == frame || "$d" == resources ]] || funciones+="$d "
done
es_funcion() { [[ "$funciones" == *" $1 "* ]]; }
es_nucleo() { [[ "$1" == hydraulics/* || "$1" == */core/* ]]; }

fallos=0
falla() {
  echo "$1: #include $2: $3"
  fallos=$((fallos + 1))
}

mapfile -d '' -t archivos < <(find "$raiz" -type f \( -name "*.cpp" -o -name "*.h" \) -print0 \
  | LC_ALL=C sort -z)

# Every include line of the tree in one pass: file:line:text.
while IFS= read -r linea; do
  archivo="${linea%%:*}"
  resto="${linea#*:}"
  numero="${resto%%:*}"
  texto="${resto#*:}"
  rel="${archivo#"$raiz"/}"
  carpeta="${rel%%/*}"
  dir="$(dirname "$rel")"
  lugar="$archivo:$numero"
  if [[ "$texto" =~ \<([^\>]+)\> ]]; then
    destino="${BASH_REMATCH[1]}"
    if es_nucleo "$rel" && [[ "$destino" =~ ^(Qt[A-Za-z]*/|Q[A-Z]) ]]; then
      falla "$lugar" "<$destino>" "hydraulics/ and core/ include no Qt"
    fi
    continue
  fi
  [[ "$texto" =~ \"([^\"]+)\" ]] || continue
  escrito="${BASH_REMATCH[1]}"
  # A quoted name is looked up beside the file first, then from src/.
  if [[ "$escrito" == ./* || "$escrito" == ../* || "$escrito" != */* || -f "$raiz/$dir/$escrito" ]]; then
    destino="$(realpath -m --relative-to="$raiz" "$raiz/$dir/$escrito")"
  else
    destino="$escrito"
  fi
  destino_carpeta="${destino%%/*}"
  if es_nucleo "$rel" && ! es_nucleo "$destino"; then
    falla "$lugar" "\"$escrito\"" "hydraulics/ and core/ include only hydraulics/ and core/ folders"
  fi
  if [[ "$carpeta" == frame || "$carpeta" == resources ]] && es_funcion "$destino_carpeta"; then
    falla "$lugar" "\"$escrito\"" "$carpeta/ includes no feature folder"
  fi
  if es_funcion "$carpeta" && [[ "$carpeta" != app && "$destino_carpeta" != "$carpeta" ]] \
    && es_funcion "$destino_carpeta"; then
    falla "$lugar" "\"$escrito\"" "$carpeta/ includes no other feature folder"
  fi
done < <(grep -nHE '^[[:space:]]*#[[:space:]]*include' /dev/null "${archivos[@]}" || true)

if [ "$fallos" -gt 0 ]; then
  echo "$fallos forbidden includes in $raiz/"
  exit 1
fi
echo "layers hold: ${#archivos[@]} files of $raiz/"
