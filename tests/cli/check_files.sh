#!/usr/bin/env bash
# The command line's files and the ends of its runs: a sweep table cut short
# by a full disk leaves the old table whole and exits 2; outputs that are
# not regular files and the case file itself are refused; a folder given as
# a replay script exits 2; --vary reads its numbers whole and refuses an
# input the case does not use; a solve that ends says why and what to change.
# Usage: check_files.sh HXCALC (run from the source folder)
set -u
hxcalc=$1
. "$(dirname "$0")/check_lib.sh"

# says TEXT: the last command's standard output or error holds TEXT.
says() {
    cat "$work/out" "$work/err" | grep -qF -- "$1" ||
        fail "expected \"$1\" in: $(cat "$work/out" "$work/err" | head -c 400)"
}

water=examples/sensible_water.json
sweep=(sweep "$water" --vary tube_length_mm=500:5000:200)

# A table cut short by a file-size limit (SIGXFSZ ignored, so the write
# fails as on a full disk): exit 2, the earlier table kept whole, no
# temporary file left.
for f in out.csv out.json; do
    echo "earlier table" >"$work/$f"
    (trap '' XFSZ && ulimit -f 2 && exec "$hxcalc" "${sweep[@]}" --out "$work/$f") \
        2>&1 | cat >"$work/err"
    status=${PIPESTATUS[0]}
    : >"$work/out"
    [ "$status" -eq 2 ] || fail "--out $f under a size limit exited $status"
    says "cannot be written"
    [ "$(cat "$work/$f")" = "earlier table" ] || fail "--out $f: the earlier table was not kept"
    rm -f "$work/$f"
    (trap '' XFSZ && ulimit -f 2 && exec "$hxcalc" "${sweep[@]}" --out "$work/$f") >/dev/null 2>&1
    [ -e "$work/$f" ] && fail "--out $f: a partial table was left"
done
[ -z "$(ls -A "$work" | grep '^\.out')" ] || fail "temporary files left: $(ls -A "$work")"

# Standard output that cannot be written (a full disk) is never exit 0.
"$hxcalc" solve "$water" >/dev/full 2>"$work/err"
[ $? -eq 2 ] || fail "solve onto a full standard output did not exit 2"
"$hxcalc" --replay tests/golden/startup_english_sample.replay >/dev/full 2>"$work/err"
[ $? -eq 5 ] || fail "a replay onto a full standard output did not exit 5"
grep -q "standard output: cannot be written" "$work/err" || fail "no message: $(cat "$work/err")"

# Outputs that may not be replaced: a pipe, a folder, the case file.
mkfifo "$work/pipe.csv"
expect 2 "$hxcalc" sweep "$water" --vary tube_length_mm=500,1000 --out "$work/pipe.csv"
says "not a regular file"
[ -p "$work/pipe.csv" ] || fail "the pipe was replaced"
mkdir "$work/table.csv"
expect 2 "$hxcalc" sweep "$water" --vary tube_length_mm=500,1000 --out "$work/table.csv"
cp "$water" "$work/case.json"
cp "$water" "$work/case.csv"
expect 2 "$hxcalc" sweep "$work/case.csv" --vary tube_length_mm=500,1000 --out "$work/case.csv"
says "is the case file itself"
cmp -s "$water" "$work/case.csv" || fail "the case file was overwritten"

# A link is followed: the table replaces the file it names, the link stays.
echo "earlier table" >"$work/real.csv"
ln -s real.csv "$work/link.csv"
expect 0 "$hxcalc" sweep "$water" --vary tube_length_mm=500,1000 --out "$work/link.csv"
[ -L "$work/link.csv" ] && grep -q "^tube_length_mm," "$work/real.csv" ||
    fail "--out through a link: the link was replaced or its file not written"

# A folder or a missing file as a replay script.
expect 2 "$hxcalc" --replay tests
says "cannot read replay script tests"
expect 2 "$hxcalc" --replay tests/no-such-script.replay
says "cannot read replay script tests/no-such-script.replay"

# --vary: an input the case does not use, numbers read whole, bad bounds.
expect 2 "$hxcalc" sweep "$water" --vary fin_thickness_mm=1,2
says "fin_thickness_mm does not apply to this case"
expect 2 "$hxcalc" sweep "$water" --vary co2_percent=0,50
says "co2_percent does not apply to this case"
expect 2 "$hxcalc" sweep "$water" --vary tube_length_mm=0x10
says '"0x10" is not a number'
expect 2 "$hxcalc" sweep "$water" --vary tube_length_mm=1x0,2000
says '"1x0" is not a number'
expect 2 "$hxcalc" sweep "$water" --vary tube_length_mm=inf:5000:3
says '"inf" is not a number'
expect 2 "$hxcalc" sweep "$water" --vary tube_length_mm=500:1e39:3
says '"1e39" is too large'
expect 2 "$hxcalc" sweep "$water" --vary tube_length_mm=-5:5000:3
says "FROM -5 is outside"
expect 0 "$hxcalc" sweep "$water" --vary "tube_length_mm= 500,1000 "

# A case the dialogs refuse exits 2 in sweep as in solve.
python3 - "$water" "$work/refused.json" <<'PY'
import json, sys
case = json.load(open(sys.argv[1]))
case["choices"]["solve_for"] = "tube_outlet_given"
case["inputs"].update(tube_outlet_temperature=400, tube_length_mm=None)
json.dump(case, open(sys.argv[2], "w"))
PY
expect 2 "$hxcalc" solve "$work/refused.json"
says "the dialog refuses the case"
expect 2 "$hxcalc" sweep "$work/refused.json" --vary tube_flow_t_h=5,10
says "the dialog refuses the case"

# A solve that ends says what ended it and what to change (exit 1).
sed 's/"h2o_percent": [0-9.]*/"h2o_percent": 0/' examples/wet_gas_one_atm.json >"$work/dry.json"
expect 1 "$hxcalc" solve "$work/dry.json"
says "低すぎます"
says "Raise h2o_percent or lower shell_inlet_temperature"
expect 1 "$hxcalc" solve "$work/dry.json" --lang ja
says "h2o_percent を上げる"
sed 's/"shell_inlet_temperature": [0-9.]*/"shell_inlet_temperature": 227/' \
    examples/wet_gas_one_atm.json >"$work/hot.json"
expect 1 "$hxcalc" solve "$work/hot.json"
says "low-humidity notice"
sed 's/"tube_inlet_temperature": [0-9.]*/"tube_inlet_temperature": 1227/' \
    examples/tube_condensation.json >"$work/overflow.json"
expect 1 "$hxcalc" solve "$work/overflow.json"
says "オーバーフロー"
says "bring tube_inlet_temperature and shell_inlet_temperature closer together"
expect 1 "$hxcalc" solve "$work/overflow.json" --format json
says "closer together"
"$hxcalc" sweep "$work/dry.json" --vary h2o_percent=0 >"$work/out" 2>"$work/err"
says "low-humidity notice"

finish "file and run-end"
