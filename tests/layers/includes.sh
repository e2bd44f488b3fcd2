#!/bin/bash
# Fails when a file under src/ includes a header of a layer above its own (docs/architecture.md):
# each folder may include its own headers and those of the layers below it, nothing else.
# Usage: includes.sh SOURCE_FOLDER
set -u
src=${1:?the source folder}/src
declare -A rank=([platform]=0 [text]=1 [speech]=2 [runtime]=3 [shell]=4 [review]=5 [dialogs]=5
                 [input]=6 [program]=7 [app]=8)
bad=0
for dir in "$src"/*/; do
  layer=$(basename "$dir")
  if [ -z "${rank[$layer]+x}" ]; then
    echo "src/$layer: a folder the layer order does not name"
    bad=1
    continue
  fi
  while IFS=: read -r file line text; do
    used=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$text")
    [ "$used" = "$layer" ] && continue
    if [ -z "${rank[$used]+x}" ] || [ "${rank[$used]}" -ge "${rank[$layer]}" ]; then
      echo "${file#"$src"/}:$line: $layer includes $used: $text"
      bad=1
    fi
  done < <(grep -HnE '^#include "[a-z]+/' "$dir"* 2>/dev/null)
done
[ "$bad" -eq 0 ] && echo "every include of src/ follows the layer order"
exit "$bad"
