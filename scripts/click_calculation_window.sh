#!/usr/bin/env bash
# The Calculation window on the real windows under a virtual display with
# openbox: the sample case opened (File → Open case…), solved (CALC.ON), the
# window opened from the View menu's shortcut (Ctrl+Shift+T) at the results
# menu, a search typed, and a screenshot of the screen written to PNG.
#
#   scripts/click_calculation_window.sh OUT.png [WIDTHxHEIGHT]   (default 1366x768)
set -euo pipefail
png=$(realpath -m "$1")
size=${2:-1366x768}
source "$(dirname "$0")/virtual_desktop.sh" "$@"
main() { win "hxcalc — (Exchanger and streams|熱交換器と流体)"; }
build/hxcalc sample shell-and-tube > "$out/sample.json"
build/hxcalc >"$out/log" 2>&1 &
pid=$!
win "hxcalc — (Unit system|単位系選択)" >/dev/null
sleep 2
keys "$(main)" ctrl+o
sleep 1
xdotool type --delay 30 "$out/sample.json"; xdotool key Return; sleep 2
xdotool mousemove --window "$(main)" 484 414 click 1  # CALC.ON
sleep 4
keys "$(main)" ctrl+shift+t
calc=$(win "hxcalc — (Calculation|計算過程)")
xdotool windowmove "$calc" 0 0
xdotool windowsize "$calc" 1366 740
sleep 1
xdotool windowactivate --sync "$calc"; xdotool type --delay 40 "${HX_SEARCH:-}"; sleep 1
xwd -root -silent > "$out/screen.xwd"
python3 scripts/xwd_to_png.py "$out/screen.xwd" "$png"
kill "$pid" 2>/dev/null || true
rm -rf "$out"
echo "$png"
