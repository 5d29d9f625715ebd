#!/usr/bin/env bash
# The screen-fit tests on the xcb platform, on a 1366 x 768 virtual display
# with a window manager (openbox) framing the windows. Skipped (77) where
# there is no virtual display to start.
set -euo pipefail
tests=$1
command -v xvfb-run >/dev/null && command -v openbox >/dev/null || exit 77
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 1366x768x24" sh -c \
  'openbox >/dev/null 2>&1 & sleep 1; "$0" --gtest_filter="ScreenFit.*:DialogOwnership.*"' "$tests"
