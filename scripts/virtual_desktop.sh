# Sourced by the click scripts, after they have read their arguments and set
# `size` (WIDTHxHEIGHT): runs the calling script again inside a virtual
# display of that size, then, inside it, goes to the project's root, makes a
# folder for this run (`out`; settings and the recovery file go to a HOME in
# it, not the user's) and starts the window manager (openbox), so that
# windows are placed, stacked and closed as on a desktop.
#
#   size=${1:-1366x768}; source "$(dirname "$0")/virtual_desktop.sh" "$@"
here=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${HX_INSIDE_XVFB:-}" ]; then
  HX_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 ${size}x24" "$0" "$@"
fi
cd "$here"
out=$(mktemp -d)
export HOME=$out/home XDG_CONFIG_HOME=$out/home/config XDG_DATA_HOME=$out/home/data
mkdir -p "$HOME"
openbox >/dev/null 2>&1 &
sleep 1  # the window manager running before the windows come

win() {  # the window of a title, waiting for it to appear
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "no window: $1" >&2
  if [ -f "$out/log" ]; then cat "$out/log" >&2; fi
  exit 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.4; }
keys() { xdotool windowactivate --sync "$1"; sleep 0.3; shift; xdotool key --delay 120 "$@"; sleep 0.6; }
