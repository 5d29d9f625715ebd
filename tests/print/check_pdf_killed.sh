#!/usr/bin/env bash
# A run killed between two prints leaves a complete, readable PDF: the
# file is replaced whole after each report, never written in place. The
# run prints many reports; it is killed as soon as the file first appears.
set -u
hxcalc=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$1"; exit 1; }

script="$work/many.replay"
sed -n '/^click/,$p' "$here/two_reports.replay" | grep -v '^answer\|BUTTON1$' > "$script"
echo "answer 1" >> "$script"
for _ in $(seq 1 60); do printf 'answer 2\nanswer y\n' >> "$script"; done
printf 'answer 5\nanswer 4\nclick MAINFORM.BUTTON1\n' >> "$script"

"$hxcalc" --replay "$script" --pdf "$work/out.pdf" > /dev/null 2>&1 &
pid=$!
for _ in $(seq 1 2000); do
  [ -f "$work/out.pdf" ] && break
  sleep 0.005
done
kill -9 "$pid" 2> /dev/null && killed=yes || killed=no
wait "$pid" 2> /dev/null
[ -f "$work/out.pdf" ] || fail "no PDF written before the kill"
pdfinfo "$work/out.pdf" > /dev/null 2>&1 || fail "the PDF left by the killed run is not readable"
pdftotext "$work/out.pdf" - | grep -q 'Summary of calculation' || fail "the first report is not in the PDF"
echo "killed while printing: $killed"
exit 0
