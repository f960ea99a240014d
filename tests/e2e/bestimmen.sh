#!/usr/bin/env bash
# The form analysis from outside: the real latiflex under Xvfb, driven through xdotool and
# the keyboard alone. F7 must open the window "Bestimmen" before any word is typed; a form
# typed into its field must show its readings at once ("Keine Deutung" for digits), read
# back with Alt+E, Ctrl+A, Ctrl+C; Enter must print the first reading's paradigm in the
# main pane, which Ctrl+C there copies as a table holding the form.
# Usage: bestimmen.sh LATIFLEX OUT
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
export XDG_RUNTIME_DIR=$runtime XDG_DATA_HOME=$out/data QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING

clipboard() { sleep 0.3; xclip -o -selection clipboard; }
typed() { # types $1 into the field (Alt+F) and reads the result back (Alt+E)
    xdotool key alt+f ctrl+a BackSpace
    xdotool type --delay 1 "$1"
    sleep 0.3
    xdotool key alt+e ctrl+a ctrl+c
    clipboard
}

"$latiflex" >"$out/latiflex.log" 2>&1 &
app=$!
reply ADRESSE
reply WORTSTAMM 0
reply ENDUNG 12
reply WARNUNG
main=$(window "LATIFLEX 1 ")
xdotool windowfocus --sync "$main"
xdotool key F7
bestimmen=$(window "Bestimmen")
xdotool windowfocus --sync "$bestimmen"

result=$(typed 12345)
echo "12345: $result"
[ "$result" = "Keine Deutung" ] || { echo "expected Keine Deutung" >&2; exit 1; }
result=$(typed "laudati sunt")
echo "laudati sunt: $result"
[[ $result == *Deutungen* ]] || { echo "expected readings" >&2; exit 1; }

# Enter in the field chooses the first reading: the verb's perfect passive page.
xdotool key alt+f Return
sleep 0.5
xdotool windowfocus --sync "$main"
xdotool key ctrl+c
table=$(clipboard)
echo "$table" | head -3
[[ $table == *laudati*sunt* ]] || { echo "the pane shows no page with laudati sunt" >&2; exit 1; }
rm -rf "$out"
