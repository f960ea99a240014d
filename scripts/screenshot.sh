#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/screenshot.png from the end-to-end tour of the real window under Xvfb: acer
# declined in its three genders, light blue stems and dark red endings. Run after a build.
set -euo pipefail
cd "$(dirname "$0")/.."
tests/e2e/run.sh build/release/latiflex build/release/tests/transcript build/release/tests/tour \
    build/release/tests/e2e --screenshot docs/screenshot.png
