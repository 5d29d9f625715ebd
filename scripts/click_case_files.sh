#!/usr/bin/env bash
# Case files saved at the results menu reopen as the same case, by mouse and
# keys on the real windows under a virtual display with openbox: a case is
# opened (File → Open case…, Ctrl+O), solved (CALC.ON), saved at the results
# menu (Save case as…, Ctrl+Shift+S) — or after a restart (key 4) — and its
# summary printed to a PDF; the program ends, starts again, opens the saved
# file, solves it and prints again: the two summaries must be the same.
# Settings and the recovery file go to a temporary HOME.
#
#   scripts/click_case_files.sh [WIDTHxHEIGHT]      (default 1366x768)
set -euo pipefail
size=${1:-1366x768}
source "$(dirname "$0")/virtual_desktop.sh" "$@"

typeIn() { xdotool windowactivate --sync "$1"; sleep 0.3; xdotool type --delay 30 "$2"; xdotool key Return; sleep 0.8; }
main() { win "hxcalc — (Exchanger and streams|熱交換器と流体)"; }
text() { win "hxcalc — (Text window|テキスト画面)"; }
dialog() { sleep 1; xdotool getactivewindow; }

start() {
  build/hxcalc >"$out/log" 2>&1 &
  pid=$!
  win "hxcalc — (Unit system|単位系選択)" >/dev/null
  sleep 2
}
openCase() {  # $1 file
  keys "$(main)" ctrl+o
  typeIn "$(dialog)" "$1"
  sleep 1
}
solve() {
  click "$(main)" 484 414  # CALC.ON
  sleep 3
}
saveAs() {  # $1 file, from any state: every input of the case is in it
  keys "$(main)" ctrl+shift+s
  typeIn "$(dialog)" "$1"
  grep -q '"tube_outside_diameter_mm": [0-9]' "$1" || { echo "no geometry in $1" >&2; exit 1; }
}
printSummary() {  # $1 pdf; at the results menu
  keys "$(text)" 1
  keys "$(text)" 1 Return y Return
  typeIn "$(dialog)" "$1"
  keys "$(text)" 5 Return
}
closeFromMenu() {
  keys "$(text)" 0 y
  for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  echo "the program did not end" >&2; cat "$out/log" >&2; exit 1
}
summary() { pdftotext -layout "$1" - | grep -v -i "date\|20[0-9][0-9][/-]"; }
same() {  # $1 label $2 $3 pdfs
  if diff <(summary "$2") <(summary "$3") >"$out/diff"; then
    echo "$1: the same summary ($(summary "$2" | grep -c .) lines)"
  else
    echo "$1: the summaries differ" >&2; cat "$out/diff" >&2; exit 1
  fi
}

for example in wet_gas_one_atm shell_evaporation; do
  # Solved, saved at the results menu, printed.
  cp "$here/examples/$example.json" "$out/"
  start; openCase "$out/$example.json"; solve
  saveAs "$out/$example-menu.json"
  printSummary "$out/$example-first.pdf"; closeFromMenu
  # Opened again in a new program, solved, printed.
  start; openCase "$out/$example-menu.json"; solve
  printSummary "$out/$example-again.pdf"; closeFromMenu
  same "$example saved at the results menu" "$out/$example-first.pdf" "$out/$example-again.pdf"
done

# Saved after a restart (key 4), then reopened and solved.
start; openCase "$out/wet_gas_one_atm.json"; solve
keys "$(text)" 4
saveAs "$out/restart.json"
keys "$(main)" ctrl+q
sleep 1
start; openCase "$out/restart.json"; solve
printSummary "$out/restart.pdf"; closeFromMenu
same "wet gas saved after key 4" "$out/wet_gas_one_atm-first.pdf" "$out/restart.pdf"
rm -rf "$out"
