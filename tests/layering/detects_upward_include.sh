#!/usr/bin/env bash
# The layering check must fail on a copy of the sources where props includes
# a header of calc, or a correlation in a subfolder includes calc, and pass
# on the sources as they are.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
src="$here/../../src"
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -r "$src"/. "$copy"
"$here/check_layers.sh" "$copy" >/dev/null
echo '#include "calc/case/design_case.h"' >> "$copy/props/water_properties.h"
if "$here/check_layers.sh" "$copy" >/dev/null; then
    echo "an upward include (props -> calc) was not reported"
    exit 1
fi

cp -r "$src"/. "$copy"
echo '#include "calc/solver/solution.h"' >> "$copy/correlations/tube_side/tube_side.h"
if "$here/check_layers.sh" "$copy" >/dev/null; then
    echo "an upward include from a subfolder (correlations -> calc) was not reported"
    exit 1
fi

cp -r "$src"/. "$copy"
echo '#include <QString>' >> "$copy/program/batch/batch_run.h"
if "$here/check_layers.sh" "$copy" >/dev/null; then
    echo "a Qt include below charts (program -> QString) was not reported"
    exit 1
fi
