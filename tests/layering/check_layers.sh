#!/usr/bin/env bash
# Fails when a source under SRC (default: the project's src/) includes a
# header of a layer above its own. The layers, from the bottom up; a layer
# may include its own headers and those of the layers below it. A layer's
# folder may hold subfolders (correlations/tube_side, ...): every file below
# it belongs to the layer.
set -u
src=${1:-"$(dirname "$0")/../../src"}
layers=(console core model props correlations calc report dialogs program gui cli)

rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}

status=0
for dir in "$src"/*/; do
    layer=$(basename "$dir")
    own=$(rank "$layer")
    if [ "$own" -lt 0 ]; then
        echo "src/$layer: a folder that is not a layer (add it to the list of layers)"
        status=1
        continue
    fi
    while IFS=: read -r file line include; do
        target=${include#*\"}
        target=${target%%/*}
        theirs=$(rank "$target")
        if [ "$theirs" -gt "$own" ]; then
            echo "${file#"$src"/}:$line: $layer includes $target, a layer above it"
            status=1
        fi
    done < <(grep -rHn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z_]*/' "$dir" 2>/dev/null)
done
exit $status
