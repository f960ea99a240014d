#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up against the floor: runs the bare Qt baseline and latiflex alternately under
# Xvfb, RUNS times each (default 15), and prints the medians of the time from exec to the
# first window being mapped and of the peak resident memory, with latiflex/baseline ratios.
# Needs a release build (scripts/build.sh) and xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-15}
bin=build/release/bench
display=:${DISPLAY_NUMBER:-93}
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
unset QT_SCALE_FACTOR

: >/tmp/latiflex-startup-baseline
: >/tmp/latiflex-startup-latiflex
"$bin/mapwatch" BASELINE "$bin/baseline" >/dev/null # warm the caches once
"$bin/mapwatch" ADRESSE build/release/latiflex >/dev/null
for _ in $(seq "$runs"); do
    "$bin/mapwatch" BASELINE "$bin/baseline" >>/tmp/latiflex-startup-baseline
    "$bin/mapwatch" ADRESSE build/release/latiflex >>/tmp/latiflex-startup-latiflex
done
python3 - "$runs" <<'PY'
import statistics, sys
def load(name):
    rows = [line.split() for line in open(f"/tmp/latiflex-startup-{name}")]
    return statistics.median(float(r[0]) for r in rows), statistics.median(float(r[1]) for r in rows) / 1024
bt, bm = load("baseline")
lt, lm = load("latiflex")
print(f"runs each: {sys.argv[1]}")
print(f"baseline  first window {bt:7.1f} ms   peak RSS {bm:6.1f} MB")
print(f"latiflex  first window {lt:7.1f} ms   peak RSS {lm:6.1f} MB")
print(f"ratio     start-up {lt / bt:.2f}   memory {lm / bm:.2f}")
PY
