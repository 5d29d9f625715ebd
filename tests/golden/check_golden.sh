#!/usr/bin/env bash
# Runs one replay script and compares its transcript with the golden file
# beside it, trailing blanks dropped. NAME.status, if present, holds the
# expected exit status (0 otherwise).
set -u
hxcalc=$1
script=$2
base=${script%.replay}
expected_status=0
[ -f "$base.status" ] && expected_status=$(tr -d '[:space:]' < "$base.status")

actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
(cd "$(dirname "$script")" && "$hxcalc" --replay "$(basename "$script")") > "$actual" 2>&1
status=$?

if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status"
  cat "$actual"
  exit 1
fi
if ! diff -u <(sed 's/[[:space:]]*$//' "$base.out") <(sed 's/[[:space:]]*$//' "$actual"); then
  echo "transcript differs from $base.out"
  exit 1
fi
