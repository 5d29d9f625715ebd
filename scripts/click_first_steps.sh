#!/usr/bin/env bash
# Clicks the README's first steps with the mouse on the real windows, under a
# virtual display of the given size with a window manager (openbox), and
# answers the results menu with single keys ("0", then "y", no Enter): the
# program must end by itself. Then opens the figure window and sends one
# close request to the main window (openbox's Alt+F4): the program must end
# at once. The click positions are those of the windows' default layout
# (English SI code), relative to each window.
#
#   scripts/click_first_steps.sh [WIDTHxHEIGHT]      (default 1366x768)
set -euo pipefail
size=${1:-1366x768}
source "$(dirname "$0")/virtual_desktop.sh" "$@"
log=$out/log
trap 'rm -rf "$out"' EXIT

ended() {  # waits up to $2 tenths of a second for process $1 to end
  for _ in $(seq 1 "$2"); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  kill "$1"
  return 1
}

# The first steps, by mouse.
build/hxcalc >"$log" 2>&1 &
pid=$!
units=$(win "hxcalc — 単位系選択")
sleep 2  # mapped and placed by the window manager
click "$units" 55 12  # SI unit ENGLISH
click "$units" 50 40  # O K
main=$(win "hxcalc — Exchanger and streams")
click "$main" 45 106   # OPEN
click "$main" 155 34   # Fluid mode ON
click "$main" 270 34   # Both side sensible
click "$main" 165 58   # Tube side physi.ON
click "$main" 535 58   # Water physi.：Auto
click "$main" 165 82   # Shell side physi.ON
click "$main" 535 82   # Water physi.：Auto
click "$main" 400 414  # MAIN INPUT
click "$(win "hxcalc — Main data")" 129 460                  # O K
click "$(win "hxcalc — Heat transfer coefficients")" 45 189  # Ｏ Ｋ
click "$main" 505 151  # 【1】 Cross flow
click "$main" 484 414  # CALC.ON
sleep 2
text=$(win "hxcalc — Text window")
xdotool key --window "$text" 0 || true
sleep 0.5
xdotool key --window "$text" y 2>/dev/null || true
if ended "$pid" 50; then echo "first steps: the results menu's 0 and y ended the program"; else
  echo "first steps: the program did not end" >&2
  exit 1
fi

# The figure window open, one close request on the main window. (The first
# run's case is in the recovery file: a new start would offer it first.)
rm -f "$XDG_DATA_HOME/hxcalc/recovery.json"
build/hxcalc >"$log" 2>&1 &
pid=$!
units=$(win "hxcalc — 単位系選択")
sleep 2
click "$units" 55 12
main=$(win "hxcalc — Exchanger and streams")
click "$main" 45 106   # OPEN
click "$main" 400 574  # Fig. refer
win "hxcalc — Exchanger drawing" >/dev/null
xdotool windowactivate --sync "$main"
sleep 0.3
xdotool key alt+F4
if ended "$pid" 10; then echo "close: one close request with the figure window open ended the program"; else
  echo "close: the program still runs" >&2
  exit 1
fi
