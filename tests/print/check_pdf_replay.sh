#!/usr/bin/env bash
# Four reports printed in one replay run (`--pdf`): one PDF file whose
# text holds the English text detail, the English text summary, the
# calculation trace (its overall coefficient with the formula's inputs) and
# the Japanese summary, with the summary rows in their columns and IPA Gothic
# embedded.
set -u
hxcalc=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$1"; exit 1; }

(cd "$here" && "$hxcalc" --replay two_reports.replay --pdf "$work/out.pdf") > "$work/transcript" 2> "$work/errors" ||
  fail "replay failed: $(cat "$work/errors")"
[ -f "$work/out.pdf" ] || fail "no PDF written"
[ "$(ls "$work" | grep -c '\.pdf')" = 1 ] || fail "more than one PDF: $(ls "$work")"

fonts=$(pdffonts "$work/out.pdf") || fail "pdffonts cannot read the file"
echo "$fonts" | grep -Eq '^IPAGothic +CID TrueType +Identity-H +yes' || fail "IPA Gothic not embedded: $fonts"

text=$(pdftotext -layout "$work/out.pdf" -) || fail "pdftotext cannot read the file"
count() { printf '%s\n' "$text" | grep -c -- "$1"; }
[ "$(count '■ INPUT ■')" = 1 ] || fail "expected one text detail"
[ "$(count 'Summary of calculation')" = 2 ] || fail "expected the English summary in two reports"
[ "$(count '計算結果サマリー')" = 1 ] || fail "expected one Japanese summary"
[ "$(count 'SHELL AND TUBE HEAT EXCHANGER COMPUTER PROGRAM')" = 2 ] || fail "expected two English titles"
# A summary row keeps its cells in order on one line.
printf '%s\n' "$text" | grep -Eq 'EXCHANG ENERGY AS HEAT.*kcal/h.*Q *= *98866\.7' ||
  fail "summary row 9 not found in its columns"
printf '%s\n' "$text" | grep -Eq 'THERMAL EFFICIENCY.*Et=0\.1649.*Es=0\.1649' ||
  fail "summary row 13 not found in its columns"
[ "$(count 'Calculation trace')" = 1 ] || fail "expected one calculation trace"
printf '%s\n' "$text" | grep -Eq 'KI +overall coefficient, inside area = 251\.35023 kcal/m2h' ||
  fail "the overall coefficient of the trace not found"
printf '%s\n' "$text" | grep -Eq 'inputs: ht = 552\.5675 kcal/m2h' ||
  fail "the inputs of the overall coefficient not found"
exit 0
