#!/usr/bin/env bash
# Takes docs/screenshot.png: the real program under Xvfb, driven by xdotool like a pupil,
# declining rosa with light blue stems and light red endings. Needs xvfb, xdotool and
# imagemagick; run after a build.
set -euo pipefail
cd "$(dirname "$0")/.."
Xvfb :97 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=:97 QT_QPA_PLATFORM=xcb
build/release/latiflex &
app=$!
answer() { sleep 0.5; [ -n "$1" ] && xdotool type "$1"; xdotool key Return; }
answer "" && answer 9 && answer 12 && answer ""
sleep 0.5
window=$(xdotool search --sync --name 'LATIFLEX 1' | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 632)) $((Y + 32)) click 1
answer rosa && answer rosae
sleep 0.5
import -window "$window" docs/screenshot.png
kill $app
