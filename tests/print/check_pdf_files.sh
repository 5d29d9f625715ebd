#!/usr/bin/env bash
# --pdf onto a file it cannot finish or may not replace: a write cut short
# by a file-size limit (as a full disk) keeps the earlier report whole, a
# pipe is refused and stays a pipe; each is told in the transcript and the
# run exits 5, as does a screenshot that cannot be written.
set -u
hxcalc=$1
here=$(cd "$(dirname "$0")" && pwd)
script="$here/../golden/print_menu_english.replay"
. "$here/../cli/check_lib.sh"

"$hxcalc" --replay "$script" --pdf "$work/r.pdf" >"$work/out" 2>&1 || fail "first report: exit $?"
cp "$work/r.pdf" "$work/good.pdf"
[ "$(stat -c %s "$work/good.pdf")" -gt 102400 ] || fail "the report is too small to be cut short"

# limited LIMIT: the replay again under a file-size limit of LIMIT KiB,
# SIGXFSZ ignored so that a write fails as on a full disk; the transcript
# goes through a pipe, outside the limit.
limited() {
    (trap '' XFSZ && ulimit -f "$1" && exec "$hxcalc" --replay "$script" --pdf "$work/r.pdf") 2>&1 |
        cat >"$work/out"
    status=${PIPESTATUS[0]}
    [ "$status" -eq 5 ] || fail "a write cut short at $1 KiB exited $status, not 5"
    grep -q "could not be written to $work/r.pdf (File too large)" "$work/out" ||
        fail "no message of the failed write at $1 KiB"
    [ -z "$(ls -A "$work" | grep '^\.r\.pdf')" ] || fail "temporary files left: $(ls -A "$work")"
}
# Below the first report's size every write fails: the earlier file stays.
limited 20
cmp -s "$work/r.pdf" "$work/good.pdf" || fail "the earlier report was not kept whole"
# Room for the first reports only: the file is the last complete document.
limited 100
pdfinfo "$work/r.pdf" >/dev/null 2>&1 || fail "the report left by a failed write is not readable"

mkfifo "$work/pipe"
"$hxcalc" --replay "$script" --pdf "$work/pipe" >"$work/out" 2>&1
status=$?
[ "$status" -eq 5 ] || fail "a pipe as the report exited $status, not 5"
grep -q "could not be written to $work/pipe (not a regular file)" "$work/out" ||
    fail "no message for the pipe"
[ -p "$work/pipe" ] || fail "the pipe was replaced"

# A screenshot that cannot be written (a folder in its place) also exits 5.
mkdir -p "$work/shots/01-launch-TEXT.png"
"$hxcalc" --replay "$here/../gui/first_steps.hxs" --screenshots "$work/shots" >/dev/null 2>&1
status=$?
[ "$status" -eq 5 ] || fail "a screenshot that could not be written exited $status, not 5"

finish "PDF file"
