#!/usr/bin/env bash
# Times a streamed sweep of 10,000 and of 1,000,000 cases (tube length ×
# shell flow × tube count, the sample shell-and-tube case, two threads, to
# CSV) and prints the wall time and peak resident memory of each, with the
# machine's load before each run. Usage: bench/sweep_million.sh [HXCALC]
# (default build-release/hxcalc; build it with the release preset).
set -eu
hxcalc=${1:-"$(dirname "$0")/../build-release/hxcalc"}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$hxcalc" sample shell-and-tube >"$work/case.json"
run() {
    local label=$1 steps=$2
    echo "$label: load $(cut -d' ' -f1-3 /proc/loadavg)"
    /usr/bin/time -f "$label: %e s wall, %U s user, %S s system, peak RSS %M KB" \
        "$hxcalc" sweep "$work/case.json" --jobs 2 --out "$work/out.csv" \
        --vary "tube_length_mm=500:5000:$steps" --vary "shell_flow_t_h=2:20:$steps" \
        --vary tube_count=60:159:100
    echo "$label: $(($(wc -l <"$work/out.csv") - 1)) rows, $(grep -c ',solved,' "$work/out.csv") solved"
}
run "10,000 cases" 10
run "1,000,000 cases" 100
