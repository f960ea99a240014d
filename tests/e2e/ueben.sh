#!/usr/bin/env bash
# The drill from outside: the real latiflex under Xvfb, driven through xdotool. After rosa is
# declined, F5 must open the window "Üben"; the question is read back with the keyboard
# (Alt+F, Ctrl+A, Ctrl+C) and answered from this script's own table of rosa's forms: the
# right form must read "Richtig!", a wrong one "Falsch". LATIFLEX_UEBEN_SEED fixes the questions.
# Usage: ueben.sh LATIFLEX OUT
set -euo pipefail
latiflex=$1 out=$2

source "$(dirname "$0")/xvfb.sh"
require_tools Xvfb xdotool xclip

rm -rf "$out"
mkdir -p "$out"
runtime=$(mktemp -d)
xvfb=
app=
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$runtime"' EXIT
start_xvfb "$out" 1600x1200x24
# The lessons of this run lie in its own folder, never in the user's.
export XDG_RUNTIME_DIR=$runtime XDG_DATA_HOME=$runtime/daten QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
export LATIFLEX_UEBEN_SEED=1

# The cases of rosa, written out by hand.
declare -A rosa=(
    ["Nominativ Singular"]=rosa ["Genitiv Singular"]=rosae ["Dativ Singular"]=rosae
    ["Akkusativ Singular"]=rosam ["Vokativ Singular"]=rosa ["Ablativ Singular"]=rosa
    ["Nominativ Plural"]=rosae ["Genitiv Plural"]=rosarum ["Dativ Plural"]=rosis
    ["Akkusativ Plural"]=rosas ["Vokativ Plural"]=rosae ["Ablativ Plural"]=rosis)

copied() { # the text of the drill's control reached with Alt+$1, as the keyboard copies it
    xdotool key "alt+$1" ctrl+a ctrl+c
    sleep 0.3
    xclip -o -selection clipboard
}

"$latiflex" >"$out/latiflex.log" 2>&1 &
app=$!
reply ADRESSE
reply WORTSTAMM 0
reply ENDUNG 12
reply WARNUNG
main=$(window "LATIFLEX 1 ")
# SUBST stands at 8880, 240 twips: 592, 16 pixels at 96 dots per inch.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --sync $((X + 620)) $((Y + 30)) click 1
reply 1.Sg. rosa
reply 2.Sg. rosae

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
    [ -n "$form" ] || { echo "unexpected question: $frage" >&2; exit 1; }
    xdotool key alt+a
    xdotool type --delay 1 "${1:-$form}"
    xdotool key Return
    sleep 0.3
    copied e
}
verdict=$(ask)
echo "right answer: $verdict"
[[ $verdict == Richtig!* ]] || { echo "expected Richtig!" >&2; exit 1; }
verdict=$(ask rosxyz)
echo "wrong answer: $verdict"
[[ $verdict == Falsch* ]] || { echo "expected Falsch" >&2; exit 1; }
rm -rf "$out"
