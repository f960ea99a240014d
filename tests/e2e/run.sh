#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the pupil's tour (tests/golden/tour.txt) against the real latiflex in a real X
# window under Xvfb, at scale 1 and at scale 2; then, under the openbox window manager,
# the message boxes with the longest titles (tests/golden/titles.txt). The screenshots of a failing run stay in
# OUT for inspection; a passing run removes them.
# Usage: run.sh LATIFLEX TRANSCRIPT TOUR OUT [--screenshot FILE]
set -euo pipefail
latiflex=$1 transcript=$2 tour=$3 out=$(realpath -m "$4")
shift 4
screenshot=
if [ "${1:-}" = --screenshot ]; then screenshot=$2; fi
golden=$(cd "$(dirname "$0")/../golden" && pwd)

source "$(dirname "$0")/xvfb.sh"
require_tools Xvfb xdotool xwininfo openbox xprop

open_display "$out" 2560x1600x24

play() {
    local name=$1
    shift
    "$tour" --latiflex "$latiflex" --transcript "$transcript" \
        --script "$golden/$name.txt" --log "$golden/$name.log" "$@"
}
# A window manager on the same display, for the titles; it is gone when this returns.
with_openbox() {
    start_openbox "$out/openbox.log"
    local status=0
    "$@" || status=$?
    kill "$wm" 2>/dev/null || true
    wait "$wm" 2>/dev/null || true
    wm=
    return $status
}
if play tour --shots "$out/scale1" &&
    QT_SCALE_FACTOR=2 play tour --shots "$out/scale2" \
        --sharper-than "$out/scale1/01-Befehl1.png" &&
    with_openbox play titles --shots "$out/openbox" --window-manager; then
    [ -n "$screenshot" ] && cp "$out/scale1/02-Befehl4.png" "$screenshot"
    rm -rf "$out"
else
    echo "screenshots kept in $out"
    exit 1
fi
