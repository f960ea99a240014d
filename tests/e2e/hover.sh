#!/usr/bin/env bash
# Runs the hover check (hover.cpp) against the real latiflex under its own Xvfb.
# Usage: hover.sh LATIFLEX HOVER
set -euo pipefail
latiflex=$1 hover=$2
source "$(dirname "$0")/xvfb.sh"
require_tools Xvfb xdotool
runtime=$(mktemp -d)
xvfb=
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$runtime"' EXIT
start_xvfb "$runtime" 1280x1024x24
# The lessons of this run lie in its own folder, never in the user's.
export XDG_RUNTIME_DIR=$runtime XDG_DATA_HOME=$runtime/daten QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
"$hover" "$latiflex"
