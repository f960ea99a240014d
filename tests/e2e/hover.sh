#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the hover check (hover.cpp) against the real latiflex under its own Xvfb.
# Usage: hover.sh LATIFLEX HOVER OUT
set -euo pipefail
latiflex=$1 hover=$2 out=$(realpath -m "$3")
source "$(dirname "$0")/xvfb.sh"
require_tools Xvfb xdotool
open_display "$out" 1280x1024x24
"$hover" "$latiflex"
rm -rf "$out"
