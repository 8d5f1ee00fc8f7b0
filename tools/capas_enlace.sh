#!/usr/bin/env bash
# Checks that what each layer of src/ calls is defined in its own layer or in
# one below it, and names each symbol that is not: the object file that uses
# it, the symbol and the object files that define it. A declaration in a lower
# header defined in a higher file passes the include check (tools/capas.sh);
# here the linker's view shows it.
#
# The groups, by the path of the object file under the build's <target>.dir/:
#   - the common core: hydraulics/ and frame/core/;
#   - the core of a feature folder, X/core/: it uses the common core;
#   - the frame: frame/ and resources/: they use the common core;
#   - a feature folder X: it uses the common core, its own core and the frame;
#   - app/, the program layer: it uses every other group.
# A use of a group the user may not use is "upward" when that group is above it
# and "across" when it is beside it (another feature folder or its core).
#
# The objects AUTOMOC compiles together (<target>_autogen/) are left out: what
# they define belongs to the classes declared in the headers they read, which
# the include check already holds to the layers.
#
#   tools/capas_enlace.sh [build folder]     (default build/src of this checkout)
#
# Exits 1 when a layer uses what it may not, 2 when there are no objects. Needs
# binutils' nm and c++filt.
set -euo pipefail
cd "$(dirname "$0")/.."
raiz="${1:-build/src}"
raiz="${raiz%/}"

mapfile -t objetos < <(find "$raiz" -type f -name "*.o" -path "*.dir/*" ! -path "*_autogen/*" \
  | LC_ALL=C sort)
if [ ${#objetos[@]} -eq 0 ]; then
  echo "no object files in $raiz: build first" >&2
  exit 2
fi

# The group of an object file, from its path under <target>.dir/.
grupo() {
  local rel="${1#*.dir/}"
  local carpeta="${rel%%/*}"
  case "$rel" in
  hydraulics/* | frame/core/*) echo "nucleo" ;;
  */core/*) echo "nucleo:$carpeta" ;;
  frame/* | resources/*) echo "marco" ;;
  app/*) echo "app" ;;
  *) echo "funcion:$carpeta" ;;
  esac
}

# One line per symbol an object defines or leaves undefined:
#   D <group> <object> <symbol>   or   U <group> <object> <symbol>
# and, out of them, one line per use the layers forbid:
#   <object> <symbol> <upward|across> <objects that define it>
usos_prohibidos() {
  {
    for o in "${objetos[@]}"; do
      g="$(grupo "$o")"
      rel="${o#*.dir/}"
      nm -P --defined-only "$o" | awk -v g="$g" -v o="$rel" '$2 != "N" { print "D", g, o, $1 }'
      nm -P --undefined-only "$o" | awk -v g="$g" -v o="$rel" '{ print "U", g, o, $1 }'
    done
  } | awk '
  # Whether the group u may use what the group d defines.
  function permitido(u, d) {
    if (u == d || d == "nucleo" || u == "app") return 1
    if (u ~ /^funcion:/ && (d == "marco" || d == "nucleo:" substr(u, 9))) return 1
    return 0
  }
  # Whether the group d lies above the group u (else it lies beside it).
  function encima(u, d) {
    if (d == "app") return 1
    if (d ~ /^funcion:/) return u !~ /^funcion:/
    if (d == "marco") return u ~ /^nucleo/
    return 0
  }
  $1 == "D" {
    if (!(($4, $2) in definido)) {
      definido[$4, $2] = 1
      grupos[$4] = grupos[$4] " " $2
    }
    donde[$4] = donde[$4] (donde[$4] == "" ? "" : ", ") $3
    next
  }
  { usos[++n] = $2 SUBSEP $3 SUBSEP $4 }
  END {
    for (i = 1; i <= n; ++i) {
      split(usos[i], u, SUBSEP)
      if (!(u[3] in grupos)) continue # Qt, the C++ library, the system
      cuenta = split(substr(grupos[u[3]], 2), gs, " ")
      bien = 0
      for (k = 1; k <= cuenta; ++k) if (permitido(u[1], gs[k])) bien = 1
      if (bien) continue
      sentido = encima(u[1], gs[1]) ? "upward" : "across"
      print u[2] "\t" u[3] "\t" sentido "\t" donde[u[3]]
    }
  }' | LC_ALL=C sort -u
}

fallos=0
while IFS=$'\t' read -r objeto simbolo sentido definidores; do
  echo "$objeto uses $(c++filt "$simbolo") ($sentido), defined in $definidores"
  fallos=$((fallos + 1))
done < <(usos_prohibidos)

if [ "$fallos" -gt 0 ]; then
  echo "$fallos uses of a symbol across or up the layers in $raiz/"
  exit 1
fi
echo "layers hold at link time: ${#objetos[@]} object files of $raiz/"
