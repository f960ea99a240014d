#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A small screen at a large scale, from outside: the real latiflex under Xvfb and openbox on
# 1366x768 pixels at QT_SCALE_FACTOR=1.5. After amicus is declined, each window the main
# window opens ("?", F5, F7, F8, Ctrl+L) must lie on the screen whole, frame and title bar
# included; Bestimmen, Text lesen and Lektionen, which print into the pane, must leave the
# pane free.
# Usage: kleinbild.sh LATIFLEX SHOT OUT [--picture FILE]   (FILE: the screen with Lektionen)
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
screen_arguments "$@"
require_tools Xvfb xprop xwininfo xdotool openbox

open_desktop "$out" 1366x768x24
export QT_SCALE_FACTOR=1.5

absolut() { # x y width height of window $1 ($2: -frame for its frame)
    xwininfo -id "$1" ${2:+"$2"} | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width/ {w=$2} /Height/ {h=$2} END {print x, y, w, h}'
}
# The pane: 840 to 7455 twips across, 360 to 5775 down; 56 to 497 and 24 to 385 pixels at
# scale 1, half as much again here.
pane() {
    read -r mx my _ _ <<<"$(absolut "$main")"
    echo $((mx + 84)) $((my + 36)) 661 541
}
# on_screen NAME ID: the window's frame lies within 1366x768.
on_screen() {
    local x y w h
    read -r x y w h <<<"$(absolut "$2" -frame)"
    echo "$1 at $x,$y ${w}x$h"
    ((x >= 0 && y >= 0 && x + w <= 1366 && y + h <= 768)) || fail "$1 ($x,$y ${w}x$h) off the screen"
}
# off_pane NAME ID: the window's frame covers no part of the pane.
off_pane() {
    local x y w h px py pw ph
    read -r x y w h <<<"$(absolut "$2" -frame)"
    read -r px py pw ph <<<"$(pane)"
    if ((x < px + pw && x + w > px && y < py + ph && y + h > py)); then
        fail "$1 ($x,$y ${w}x$h) covers the pane ($px,$py ${pw}x$ph)"
    fi
}

start_latiflex "$latiflex" "$out/latiflex.log"
on_screen "LATIFLEX 1" "$main"
xdotool key Return # the keyboard starts on SUBST
reply '1\.Sg\.' amicus
reply '2\.Sg\.' amici

# "?": 7800, 240 twips, the button's middle at 565, 56 pixels at scale 1.
xdotool mousemove --window "$main" 847 84 click 1
notes=$(window LATIFLEX2)
sleep 0.3
on_screen "the notes" "$notes"
activate "$notes"
xdotool key Escape
gone LATIFLEX2

for step in F5:Üben F7:Bestimmen "F8:Text lesen" ctrl+l:Lektionen; do
    key=${step%%:*} name=${step#*:}
    activate "$main"
    xdotool key "$key"
    id=$(window "$name")
    sleep 0.5
    on_screen "$name" "$id"
    [ "$name" = Üben ] || off_pane "$name" "$id"
    on_screen "LATIFLEX 1" "$main"
    if [ "$name" = Lektionen ] && [ -n "$picture" ]; then
        "$shot" "$picture" 0 0 1366 768 1
    fi
    activate "$id"
    xdotool key Escape
    gone "$name"
done
echo "every window on the screen, the pane free of Bestimmen, Text lesen and Lektionen"
