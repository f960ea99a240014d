#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copy and print from outside: the real latiflex under Xvfb and openbox. After rosa is
# declined, a right click on the pane must show "Kopieren", "Drucken…" and "Arbeitsblatt
# drucken…" with their shortcuts (read from the screen by OCR); Ctrl+C must put a table in
# text/plain and one in text/html on the clipboard; Ctrl+P must open the German print
# dialog "Drucken", and Enter in it must write a PDF holding the forms; the worksheet from
# the menu must hide the endings on page 1 and show them on page 2.
# Usage: share.sh LATIFLEX SHOT OUT [--picture FILE]   (FILE: page 1 of the worksheet, PNG)
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
screen_arguments "$@"
require_tools Xvfb xprop xdotool openbox xclip pdftotext pdftoppm tesseract

# The print dialog offers its PDF in the home folder: a fresh one, as on a new machine.
open_desktop "$out" 1280x1024x24

# Waits until the file $1 is written whole.
written() {
    for _ in $(seq 100); do
        [ -s "$1" ] && pdftotext "$1" - >/dev/null 2>&1 && return
        sleep 0.1
    done
    fail "no PDF $1"
}

start_latiflex "$latiflex" "$out/latiflex.log" 9 4
decline rosa rosae
sleep 0.3

# The context menu, read from the screen.
xdotool windowactivate --sync "$main"
xdotool mousemove --window "$main" 276 204 click 3
sleep 0.5
eval "$(xdotool getmouselocation --shell)"
"$shot" "$out/menu.png" "$X" "$Y" 320 110 3
tesseract "$out/menu.png" "$out/menu" --psm 6 >/dev/null 2>&1
# Qt names the shortcuts in German too: "Strg+C".
for entry in Kopieren Drucken 'Arbeitsblatt drucken' Strg; do
    grep -q "$entry" "$out/menu.txt" || fail "context menu without \"$entry\": $(cat "$out/menu.txt")"
done
echo "context menu: $(tr '\n' '|' <"$out/menu.txt")"
xdotool key Escape

# The keyboard's menu key and Shift+F10 open it too, at the middle of the focused pane.
# (A left click gives the pane the focus; it adds the warning line, as it always does.)
xdotool mousemove --window "$main" 276 204 click 1
eval "$(xdotool getwindowgeometry --shell "$main")"
for keys in Menu shift+F10; do
    xdotool key "$keys"
    sleep 0.5
    "$shot" "$out/key.png" $((X + 236)) $((Y + 154)) 400 200 3
    tesseract "$out/key.png" "$out/key" --psm 6 >/dev/null 2>&1
    grep -q Kopieren "$out/key.txt" || fail "$keys opens no menu: $(cat "$out/key.txt")"
    xdotool key Escape
done

# Ctrl+C: both formats.
xdotool key ctrl+c
sleep 0.3
xclip -o -selection clipboard -t text/plain >"$out/copy.txt" || fail "no text/plain"
xclip -o -selection clipboard -t text/html >"$out/copy.html" || fail "no text/html"
grep -qP '^Genitiv\trosae\trosarum$' "$out/copy.txt" || fail "text/plain: $(cat "$out/copy.txt")"
grep -q '<span style="color:#0000ff">ros</span><span style="color:#800000">arum</span>' \
    "$out/copy.html" || fail "text/html: $(cat "$out/copy.html")"

# Ctrl+P: the print dialog; Enter prints to the PDF it offers.
xdotool key ctrl+p
dialog=$(window Drucken)
xdotool windowactivate --sync "$dialog"
xdotool key Return
written "$HOME/rosa.pdf"
pdftotext "$HOME/rosa.pdf" "$out/rosa.txt"
for s in 'rosa, rosae' Nominativ Genitiv Plural rosarum rosis; do
    grep -q "$s" "$out/rosa.txt" || fail "printed page without \"$s\""
done

# The worksheet, the menu's last entry.
xdotool windowactivate --sync "$main"
xdotool mousemove --window "$main" 276 204 click 3
sleep 0.3
xdotool key Down Down Down Return
dialog=$(window Drucken)
xdotool windowactivate --sync "$dialog"
xdotool key Return
written "$HOME/rosa-arbeitsblatt.pdf"
pdftotext -f 1 -l 1 "$HOME/rosa-arbeitsblatt.pdf" "$out/blatt.txt"
pdftotext -f 2 -l 2 "$HOME/rosa-arbeitsblatt.pdf" "$out/loesung.txt"
grep -q Arbeitsblatt "$out/blatt.txt" || fail "worksheet without its heading"
! grep -q rosarum "$out/blatt.txt" || fail "an ending on the pupil's page"
grep -q rosarum "$out/loesung.txt" || fail "answer key without the endings"
if [ -n "$picture" ]; then
    pdftoppm -f 1 -l 1 -r 50 -png -singlefile "$HOME/rosa-arbeitsblatt.pdf" "${picture%.png}"
fi

rm -rf "$out"
echo "copy and print: passed"
