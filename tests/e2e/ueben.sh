#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The drill from outside: the real latiflex under Xvfb, driven through xdotool. After rosa is
# declined, F5 must open the window "Üben"; the question is read back with the keyboard
# (Alt+F, Ctrl+A, Ctrl+C) and answered from this script's own table of rosa's forms: the
# right form must read "Richtig!", a wrong one "Falsch". LATIFLEX_UEBEN_SEED fixes the questions.
# Usage: ueben.sh LATIFLEX OUT
set -euo pipefail
latiflex=$1 out=$(realpath -m "$2")

source "$(dirname "$0")/xvfb.sh"
require_tools Xvfb xdotool xclip

open_display "$out" 1600x1200x24
export LATIFLEX_UEBEN_SEED=1

# The cases of rosa, written out by hand.
declare -A rosa=(
    ["Nominativ Singular"]=rosa ["Genitiv Singular"]=rosae ["Dativ Singular"]=rosae
    ["Akkusativ Singular"]=rosam ["Vokativ Singular"]=rosa ["Ablativ Singular"]=rosa
    ["Nominativ Plural"]=rosae ["Genitiv Plural"]=rosarum ["Dativ Plural"]=rosis
    ["Akkusativ Plural"]=rosas ["Vokativ Plural"]=rosae ["Ablativ Plural"]=rosis)

start_latiflex "$latiflex" "$out/latiflex.log"
decline rosa rosae

xdotool windowfocus --sync "$main"
xdotool key F5
ueben=$(window "Üben")
xdotool windowfocus --sync "$ueben"

ask() { # answers the open question, right (from the table) or with $1
    local frage cell form
    frage=$(copied f)
    cell=${frage#Bilde }
    cell=${cell%%:*}
    form=${rosa[$cell]:-}
    [ -n "$form" ] || fail "unexpected question: $frage"
    xdotool key alt+a
    xdotool type --delay 1 "${1:-$form}"
    xdotool key Return
    sleep 0.3
    copied e
}
verdict=$(ask)
echo "right answer: $verdict"
[[ $verdict == Richtig!* ]] || fail "expected Richtig!"
verdict=$(ask rosxyz)
echo "wrong answer: $verdict"
[[ $verdict == Falsch* ]] || fail "expected Falsch"
rm -rf "$out"
