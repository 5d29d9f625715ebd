#!/usr/bin/env bash
# The command line over case files: exit statuses, messages on standard
# error, and the outputs the other tests do not reach (the whole program).
# Usage: check_cli.sh HXCALC
set -u
hxcalc=$1
. "$(dirname "$0")/check_lib.sh"

expect 0 "$hxcalc" sample shell-and-tube
cp "$work/out" "$work/c.json"
expect 2 "$hxcalc" sample plate-and-frame

# The text summary is the first table of the demo.
expect 0 "$hxcalc" solve "$work/c.json"
cp "$work/out" "$work/summary"
"$hxcalc" --demo | head -n "$(wc -l <"$work/summary")" | diff -q - "$work/summary" >/dev/null ||
    fail "solve of the sample differs from the demo's first table"
expect 0 "$hxcalc" solve "$work/c.json" --format json --units si --lang ja
python3 -m json.tool "$work/out" >/dev/null || fail "solve --format json is not JSON"

# The calculation trace: Markdown by default, one HTML page with its
# formulas in MathML; md and html are formats of the trace alone.
expect 0 "$hxcalc" solve "$work/c.json" --trace
grep -q '^## Overall coefficients' "$work/out" || fail "solve --trace prints no Markdown steps"
expect 0 "$hxcalc" solve "$work/c.json" --trace --format html --lang ja
grep -q '<math' "$work/out" && grep -q '総括伝熱係数' "$work/out" ||
    fail "solve --trace --format html --lang ja has no formulas or no Japanese names"
expect 2 "$hxcalc" solve "$work/c.json" --format md
grep -q "format of --trace" "$work/err" || fail "--format md without --trace not refused"

# A run that ends with a message: exit 1, the message printed.
sed 's/"tube_passes": 1/"tube_passes": 0/' "$work/c.json" >"$work/ends.json"
expect 1 "$hxcalc" solve "$work/ends.json"
[ -s "$work/out" ] || fail "a run that ends prints no message"

# Bad case files: exit 2 and a message naming the file and the key.
printf '{ "format": ' >"$work/notjson.json"
sed 's/"tube_passes"/"tube_pases"/' "$work/c.json" >"$work/unknown.json"
sed 's/"tube_passes": 1/"tube_passes": "one"/' "$work/c.json" >"$work/type.json"
sed 's/"tube_length_mm": 1000/"tube_length_mm": -1/' "$work/c.json" >"$work/range.json"
grep -v '"tube_length_mm"' "$work/c.json" >"$work/missing.json"
# bad FILE KEY PROBLEM: exit 2, and the message names the key and the problem.
bad() {
    expect 2 "$hxcalc" solve "$work/$1"
    grep -q "$2" "$work/err" && grep -q "$3" "$work/err" ||
        fail "$1: message \"$(cat "$work/err")\" lacks $2 or $3"
}
bad notjson.json notjson.json "not JSON"
bad unknown.json tube_pases "unknown key"
bad type.json tube_passes "wrong type"
bad range.json tube_length_mm "is outside"
bad missing.json tube_length_mm missing
expect 2 "$hxcalc" solve "$work/nonexistent.json"
grep -q "cannot be read" "$work/err" || fail "unreadable file: $(cat "$work/err")"

# Bad command lines: exit 2.
expect 2 "$hxcalc" solve "$work/c.json" --units imperial
expect 2 "$hxcalc" solve
expect 2 "$hxcalc" --frobnicate
expect 2 "$hxcalc" sweep "$work/c.json" --vary tube_length_mm=1:2:x
expect 2 "$hxcalc" sweep "$work/c.json" --vary tube_length_mm=1,2 --out "$work/s.txt"

# The older options keep working.
expect 0 "$hxcalc" --help
grep -q -- "--replay FILE" "$work/out" || fail "--help lost the replay line"
expect 0 "$hxcalc" --picture "###.##" 3.5 -2
[ "$(cat "$work/out")" = "  3.50 -2.00" ] || fail "--picture printed \"$(cat "$work/out")\""
expect 0 "$hxcalc" --picture "##.##" -.5
[ "$(cat "$work/out")" = "-0.50" ] || fail "--picture -.5 printed \"$(cat "$work/out")\""
expect 2 "$hxcalc" --picture "###.##"

# A sweep: a header and one row per case, the same on two threads.
expect 0 "$hxcalc" sweep "$work/c.json" --vary tube_length_mm=500:5000:5 \
    --vary shell_flow_t_h=1,10 --out "$work/s1.csv"
[ "$(wc -l <"$work/s1.csv")" -eq 11 ] || fail "sweep wrote $(wc -l <"$work/s1.csv") lines, not 11"
expect 0 "$hxcalc" sweep "$work/c.json" --vary tube_length_mm=500:5000:5 \
    --vary shell_flow_t_h=1,10 --out "$work/s2.csv" --jobs 2
cmp -s "$work/s1.csv" "$work/s2.csv" || fail "--jobs 2 wrote another table"
expect 0 "$hxcalc" sweep "$work/c.json" --vary tube_length_mm=500,1000 --out "$work/s.json"
python3 -m json.tool "$work/s.json" >/dev/null || fail "sweep --out .json is not JSON"

# Four shards merged are the whole sweep byte for byte, CSV and JSON; parts
# of another sweep are refused.
grid="--vary tube_length_mm=500:5000:7 --vary shell_flow_t_h=0.5,2,10"
for names in short long; do
    for ext in csv json; do
        expect 0 "$hxcalc" sweep "$work/c.json" $grid --names $names --out "$work/whole.$ext"
        for k in 1 2 3 4; do
            expect 0 "$hxcalc" sweep "$work/c.json" $grid --names $names --shard $k/4 --jobs 2 \
                --out "$work/p$k.$ext"
        done
        expect 0 "$hxcalc" merge "$work"/p{1,2,3,4}.$ext --out "$work/merged.$ext"
        cmp -s "$work/whole.$ext" "$work/merged.$ext" ||
            fail "4 shards merged ($ext, $names names) differ from one run"
    done
done
sed -n 2p "$work/whole.csv" | grep -q "^Tube length,Shell-side mass flow,\"solved, or the message" ||
    fail "--names long: $(sed -n 2p "$work/whole.csv" | head -c 120)"
# The table is in the case file's units (the sample is SI) unless --units.
expect 0 "$hxcalc" sweep "$work/c.json" --vary tube_length_mm=500
head -1 "$work/out" | grep -q ",Q \[W\]," || fail "sweep not in the case's units: $(head -c 80 "$work/out")"
expect 0 "$hxcalc" sweep "$work/c.json" --vary tube_length_mm=500 --units eng
head -1 "$work/out" | grep -q ",Q \[kcal/h\]," || fail "--units eng: $(head -c 80 "$work/out")"
expect 2 "$hxcalc" merge "$work/p1.csv" "$work/s1.csv"
expect 2 "$hxcalc" merge "$work/p4.csv" "$work/p1.csv"
# Parts 2 to 4 hold 5 rows each, so a part out of place, repeated or left
# out still gives a table of a fitting length: each part's mark tells, and
# the merge names the part. A part cut short is refused as well.
merge_refused() {  # MESSAGE PART...
    local message=$1
    shift
    expect 2 "$hxcalc" merge "$@" --out "$work/bad.$ext"
    grep -qF "merge: $message" "$work/err" || fail "merge $*: $(head -c 300 "$work/err")"
    [ -e "$work/bad.$ext" ] && fail "merge $* wrote a table"
}
for ext in csv json; do
    merge_refused "$work/p3.$ext is part 3 of 4 but is given in place 2" "$work"/p{1,3,2,4}.$ext
    merge_refused "$work/p2.$ext is part 2 of 4, given twice (in places 2 and 3)" "$work"/p{1,2,2,4}.$ext
    merge_refused "part 4 is missing: the sweep has 4 parts" "$work"/p{1,2,3}.$ext
    merge_refused "$work/whole.$ext is not a part of a sharded sweep" "$work/whole.$ext"
done
head -n -1 "$work/p3.csv" >"$work/cut.csv"
ext=csv merge_refused "$work/cut.csv has 4 rows where part 3 of 4 of a grid of 21 cases has 5" \
    "$work"/p{1,2}.csv "$work/cut.csv" "$work/p4.csv"
expect 0 "$hxcalc" sweep "$work/c.json" $grid --names long --shard 2/4 --units eng --out "$work/eng.csv"
ext=csv merge_refused "$work/eng.csv is a part of another sweep than $work/p1.csv" \
    "$work/p1.csv" "$work/eng.csv" "$work"/p{3,4}.csv
expect 2 "$hxcalc" sweep "$work/c.json" $grid --shard 5/4

# A sweep's picture: a PNG without a display, no table on standard output
# without --out; a wrong picture, quantity or x refused before solving.
# A build without Qt refuses --plot (exit 2) and says so.
"$hxcalc" sweep "$work/c.json" --vary tube_length_mm=500:5000:5 --plot "$work/p.png" --y TL,Ret \
    >"$work/out" 2>"$work/err"
plotted=$?
if grep -q "no charts" "$work/err"; then
    [ "$plotted" -eq 2 ] || fail "--plot without charts exited $plotted"
else
    [ "$plotted" -eq 0 ] || fail "--plot exited $plotted: $(head -c 300 "$work/err")"
    [ "$(head -c 4 "$work/p.png" | tail -c 3)" = "PNG" ] || fail "--plot wrote no PNG"
    [ -s "$work/out" ] && fail "--plot without --out printed the table"
    expect 2 "$hxcalc" sweep "$work/c.json" --vary tube_length_mm=500,1000 --plot "$work/p.pdf"
    expect 2 "$hxcalc" sweep "$work/c.json" --vary tube_length_mm=500,1000 --plot "$work/p.svg" \
        --y TLL
    grep -q "TLL: not a result quantity" "$work/err" || fail "--y TLL: $(cat "$work/err")"
    expect 2 "$hxcalc" sweep "$work/c.json" --vary tube_length_mm=500,1000 --plot "$work/p.svg" \
        --x tube_count
fi
expect 2 "$hxcalc" sweep "$work/c.json" --vary tube_length_mm=500,1000 --y TL

# The profile of a solve: a table beside the summary; a wrong file refused
# before solving.
expect 0 "$hxcalc" solve "$work/c.json" --profile "$work/profile.csv"
[ "$(wc -l <"$work/profile.csv")" -eq 52 ] || fail "--profile wrote $(wc -l <"$work/profile.csv") lines"
expect 2 "$hxcalc" solve "$work/c.json" --profile "$work/profile.pdf"
[ -s "$work/out" ] && fail "solve --profile .pdf printed a summary"

# The tube count of a shell: one row per pass arrangement; no shell, exit 2.
expect 0 "$hxcalc" tubecount --shell-id 635 --od 19.05 --pitch 25.4 --passes 2
grep -q "^     2    494$" "$work/out" || fail "tubecount printed $(cat "$work/out")"
expect 2 "$hxcalc" tubecount --od 19.05 --pitch 25.4

finish "command-line"
