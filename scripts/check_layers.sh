#!/usr/bin/env bash
# Fails when a source folder includes from a folder above it. The order, lowest
# first, is the one the README's developer section gives.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
layers=(convert platform model config language commands app cli)
rank() {
  local i
  for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
  echo -1
}
status=0
for dir in "$here"/src/*/; do
  folder=$(basename "$dir")
  own=$(rank "$folder")
  if [ "$own" -lt 0 ]; then
    echo "src/$folder is in no layer"; status=1; continue
  fi
  while IFS=: read -r file line text; do
    target=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$text")
    if [ "$(rank "$target")" -gt "$own" ]; then
      echo "${file#"$here"/}:$line includes from $target, a layer above $folder"; status=1
    fi
  done < <(grep -nH -E '^#include "[a-z_]+/' "$dir"*.h "$dir"*.cpp 2>/dev/null || true)
done
[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
