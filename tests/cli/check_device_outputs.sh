#!/usr/bin/env bash
# Outputs onto a device node (a private copy of /dev/full made in a
# temporary folder, named as a table so that only its kind is refused) are refused and the node stays a device: sweep --out,
# and --pdf when the second argument is "pdf". Skipped (exit 77) where
# mknod is not permitted.
set -u
hxcalc=$1
. "$(dirname "$0")/check_lib.sh"
mknod "$work/full.csv" c 1 7 2>/dev/null || {
    echo "mknod is not permitted here: skipped"
    exit 77
}

"$hxcalc" sweep examples/sensible_water.json --vary tube_length_mm=500,1000 \
    --out "$work/full.csv" >"$work/out" 2>&1
status=$?
[ "$status" -eq 2 ] || fail "sweep --out onto a device exited $status, not 2"
grep -q "not a regular file" "$work/out" || fail "sweep: $(cat "$work/out")"
[ -c "$work/full.csv" ] || fail "sweep replaced the device node"

if [ "${2:-}" = pdf ]; then
    "$hxcalc" --replay tests/golden/print_menu_english.replay --pdf "$work/full.csv" \
        >"$work/out" 2>&1
    status=$?
    [ "$status" -eq 5 ] || fail "--pdf onto a device exited $status, not 5"
    grep -q "could not be written to $work/full.csv (not a regular file)" "$work/out" ||
        fail "--pdf: no message"
    [ -c "$work/full.csv" ] || fail "--pdf replaced the device node"
fi

finish "device"
