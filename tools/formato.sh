#!/usr/bin/env bash
# Checks that every .cpp and .h of the checkout is in the house format (the
# root .clang-format) and names each file that is not; clang-format -i <file>
# puts one right. The files are git's when there is a git checkout, else every
# one under src/, tests/ and tools/.
#
#   tools/formato.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || {
  echo "clang-format is missing (tools/setup.sh installs it)" >&2
  exit 2
}

archivos=()
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  while IFS= read -r -d '' f; do
    # A tracked file deleted in the working tree is not checked.
    [ -f "$f" ] && archivos+=("$f")
  done < <(git ls-files -z -- '*.cpp' '*.h')
else
  while IFS= read -r -d '' f; do archivos+=("$f"); done \
    < <(find src tests tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | LC_ALL=C sort -z)
fi

# clang-format reports each difference as "file:line:col: error: ..."; one
# line per file is enough to find them.
distintos="$(clang-format --dry-run -Werror "${archivos[@]}" 2>&1 >/dev/null \
  | grep -oE '^[^:]+:[0-9]+:[0-9]+: error' | cut -d: -f1 | LC_ALL=C sort -u || true)"
if [ -n "$distintos" ]; then
  echo "not in the house format (clang-format -i <file>):"
  echo "$distintos"
  exit 1
fi
echo "house format: ${#archivos[@]} files"
