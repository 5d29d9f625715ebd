#!/usr/bin/env bash
# A two-input parameter study through the real windows under a virtual
# display with openbox: the sample case is opened (Ctrl+O), View →
# Parameter study… opened from the keyboard, the tube length varied along x
# and the shell flow as a family of curves, run with F5, and the screen
# saved as a PNG to look at.
#
#   scripts/click_study.sh OUT.png [WIDTHxHEIGHT]      (default 1366x768)
set -euo pipefail
png=$(realpath -m "${1:?usage: click_study.sh OUT.png [WIDTHxHEIGHT]}")
size=${2:-1366x768}
source "$(dirname "$0")/virtual_desktop.sh" "$@"

typeIn() { xdotool type --delay 20 "$1"; sleep 0.3; }

build/hxcalc sample shell-and-tube >"$out/case.json"
build/hxcalc >"$out/log" 2>&1 &
pid=$!
win "hxcalc — (Unit system|単位系選択)" >/dev/null
sleep 2
main=$(win "hxcalc — (Exchanger and streams|熱交換器と流体)")
keys "$main" ctrl+o
sleep 1
typeIn "$out/case.json"
xdotool key Return
sleep 2
keys "$main" alt+v p
study=$(win "Parameter study")
sleep 0.5
xdotool windowmove --sync "$study" 0 0
xdotool windowsize --sync "$study" 1366 740 || true
sleep 0.5
# The focus is on the first input: choose it by typing, then its values,
# the second input and its values.
keys "$study" ctrl+a
typeIn "tube_length_mm"
xdotool key Tab ctrl+a
typeIn "300:3000:28"
xdotool key Tab space Tab
typeIn "shell_flow"
xdotool key Tab ctrl+a
typeIn "2,5,10,20"
xdotool key F5
sleep 1
xdotool mousemove --window "$study" 75 398 click 1  # Run, should F5 not have reached it
sleep 4
cp "$out/log" /tmp/click_study.log
xwd -root -silent >"$out/screen.xwd"
# The X window dump (32-bit TrueColor, as Xvfb at depth 24 writes it) as a PNG.
python3 - "$out/screen.xwd" "$png" <<'PY'
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
h = struct.unpack(">25I", data[:100])
header_size, width, height, byte_order, bpl, ncolors = h[0], h[4], h[5], h[7], h[12], h[19]
red, green, blue = (2, 1, 0) if byte_order == 0 else (1, 2, 3)
pixels = data[header_size + 12 * ncolors:]
rows = b"".join(
    b"\0" + b"".join(bytes((pixels[y * bpl + 4 * x + red], pixels[y * bpl + 4 * x + green],
                            pixels[y * bpl + 4 * x + blue])) for x in range(width))
    for y in range(height))
chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
open(sys.argv[2], "wb").write(png + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
PY
kill "$pid" 2>/dev/null || true
echo "saved $png"
