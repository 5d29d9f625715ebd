#!/usr/bin/env bash
# The design search from the command line, the engineer's path: the sample
# asked for a 40 ℃ shell outlet, its length found; ten designs listed; the
# first written as a case that `solve` prints with the listed numbers;
# limits nothing meets; a case the search cannot take.
# Usage: check_design.sh HXCALC
set -u
hxcalc=$1
. "$(dirname "$0")/check_lib.sh"

"$hxcalc" sample shell-and-tube >"$work/sample.json"
python3 - "$work/sample.json" "$work/c.json" <<'PY'
import json, sys
c = json.load(open(sys.argv[1]))
c["choices"]["solve_for"] = "shell_outlet_given"
del c["inputs"]["tube_length_mm"]
c["inputs"]["shell_outlet_temperature"] = 313  # K: the sample is in SI units
json.dump(c, open(sys.argv[2], "w"), indent=2)
PY

expect 0 "$hxcalc" design "$work/c.json" --max-dpt 0.5 --max-dps 0.5 --top 10 --jobs 2 \
    --write-case 1 "$work/best.json"
[ "$(grep -c '^ *[0-9]\+  ' "$work/out")" -ge 10 ] || fail "design lists fewer than ten designs"
grep -q '^  max_dps  *[0-9]' "$work/out" || fail "design prints no rejected counts"
expect 0 "$hxcalc" design "$work/c.json" --max-dpt 0.5 --max-dps 0.5 --top 1 --jobs 2 \
    --format json
cp "$work/out" "$work/designs.json"
expect 0 "$hxcalc" solve "$work/best.json" --format json --units si
python3 - "$work/designs.json" "$work/out" <<'PY' || fail "the written case solves to other numbers"
import json, sys
listed = json.load(open(sys.argv[1]))
solved = {r["name"]: r["value"] for r in json.load(open(sys.argv[2]))["results"]}
first = listed["designs"][0]["results"]
assert set(listed) >= {"designs", "pareto", "rejected", "candidates"}, listed.keys()
bad = [k for k, v in solved.items() if first[k] != v]
assert not bad, bad
PY

# Nothing fits: exit 1, the commonest limit and the nearest miss named.
expect 1 "$hxcalc" design "$work/c.json" --max-dps 0.0000001 --jobs 2 \
    --vary tube_outside_diameter_mm=19.05 --vary tube_passes=2,4
grep -q "Most candidates were rejected by max_dps" "$work/out" || fail "no commonest limit named"
grep -q "^Nearest miss: tube_outside_diameter_mm=19.05" "$work/out" || fail "no nearest miss"

# Refusals: exit 2 with the reason.
expect 2 "$hxcalc" design "$work/sample.json"
grep -q "outlet temperature" "$work/err" || fail "a rating case is refused without the reason"
expect 2 "$hxcalc" design "$work/c.json" --vary tube_outside_diameter_mm=19.05 \
    --vary tube_passes=2 --write-case 99 "$work/x.json"
grep -q "expected a rank" "$work/err" || fail "--write-case 99 is not refused"
expect 2 "$hxcalc" design "$work/c.json" --vary tube_gauge_bwg=9
# No output replaces the case file.
cp "$work/c.json" "$work/keep.json"
expect 2 "$hxcalc" design "$work/c.json" --vary tube_passes=4 --out "$work/c.json"
expect 2 "$hxcalc" design "$work/c.json" --vary tube_passes=4 --write-case 1 "$work/c.json"
cmp -s "$work/c.json" "$work/keep.json" || fail "an output replaced the case file"
finish "design"
