#!/usr/bin/env bash
# Fails when a source under SRC (default: the project's src/) includes a
# header of a layer above its own. The layers, from the bottom up; a layer
# may include its own headers and those of the layers below it. A layer's
# folder may hold subfolders (correlations/tube_side, ...): every file below
# it belongs to the layer. Only charts, gui and cli may include Qt headers.
set -u
src=${1:-"$(dirname "$0")/../../src"}
layers=(console core model props correlations calc report dialogs program charts gui cli)

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
    # Qt is drawn on only from charts up; the core stays testable without it.
    if [ "$own" -lt "$(rank charts)" ]; then
        while IFS=: read -r file line include; do
            echo "${file#"$src"/}:$line: $layer includes Qt, which only charts, gui and cli may"
            status=1
        done < <(grep -rHn '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$dir" 2>/dev/null)
    fi
done
exit $status
