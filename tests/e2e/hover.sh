#!/usr/bin/env bash
# Runs the hover check (hover.cpp) against the real latiflex under its own Xvfb.
# Usage: hover.sh LATIFLEX HOVER
set -euo pipefail
latiflex=$1 hover=$2
for tool in Xvfb xdotool; do
    if ! command -v $tool >/dev/null; then
        echo "$tool is missing"
        [ -n "${LATIFLEX_E2E_REQUIRED:-}" ] && exit 1
        exit 77
    fi
done
runtime=$(mktemp -d)
display=$runtime/display
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$display" 2>"$runtime/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do [ -s "$display" ] && break; sleep 0.1; done
[ -s "$display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$display") XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
"$hover" "$latiflex"
