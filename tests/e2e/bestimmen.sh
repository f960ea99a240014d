#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The form analysis from outside: the real latiflex under Xvfb, driven through xdotool and
# the keyboard alone. F7 must open the window "Bestimmen" before any word is typed; a form
# typed into its field must show its readings at once ("Keine Deutung" for digits), read
# back with Alt+E, Ctrl+A, Ctrl+C; Enter must print the first reading's paradigm in the
# main pane, which Ctrl+C there copies as a table holding the form.
# Usage: bestimmen.sh LATIFLEX OUT
set -euo pipefail
latiflex=$1 out=$(realpath -m "$2")

source "$(dirname "$0")/xvfb.sh"
require_tools Xvfb xdotool xclip

open_display "$out" 1600x1200x24

clipboard() { sleep 0.3; xclip -o -selection clipboard; }
typed() { # types $1 into the field (Alt+F) and reads the result back (Alt+E)
    xdotool key alt+f ctrl+a BackSpace
    xdotool type --delay 1 "$1"
    sleep 0.3
    copied e
}

start_latiflex "$latiflex" "$out/latiflex.log"
xdotool key F7
bestimmen=$(window "Bestimmen")
xdotool windowfocus --sync "$bestimmen"

result=$(typed 12345)
echo "12345: $result"
[ "$result" = "Keine Deutung" ] || fail "expected Keine Deutung"
result=$(typed "laudati sunt")
echo "laudati sunt: $result"
[[ $result == *Deutungen* ]] || fail "expected readings"

# Enter in the field chooses the first reading: the verb's perfect passive page.
xdotool key alt+f Return
sleep 0.5
xdotool windowfocus --sync "$main"
xdotool key ctrl+c
table=$(clipboard)
echo "$table" | head -3
[[ $table == *laudati*sunt* ]] || fail "the pane shows no page with laudati sunt"
rm -rf "$out"
