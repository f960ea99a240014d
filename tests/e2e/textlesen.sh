#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reading a text from outside: the real latiflex under Xvfb and openbox, driven through
# xdotool. The pupil declines puella and agricola; F8 must open the window "Text lesen"; a
# sentence typed there must show, read from the screen by OCR, the lemmas and
# the meanings the dictionary gives (Bauer, zusammen mit); the vocabulary list saved as a lesson with Alt+L must reach the
# database (read by sqlite3, not by the program) with the one word no lesson held: the verb.
# Usage: textlesen.sh LATIFLEX SHOT OUT [--picture FILE]   (FILE: the window, PNG)
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
screen_arguments "$@"
require_tools Xvfb xprop xwininfo xdotool openbox sqlite3 tesseract

open_desktop "$out" 1600x1200x24
start_latiflex "$latiflex" "$out/latiflex.log"
decline puella puellae
decline agricola agricolae

activate "$main"
xdotool key F8
lesen=$(window "Text lesen")
activate "$lesen"
sleep 0.3
xdotool type --delay 1 "Puella cum agricola ambulat."
sleep 1.5

text=$(read_window "$lesen" lesen 2)
echo "the window shows: $text"
for erwartet in "puellae" "agricola, agricolae" "zusammen mit" "Bauer"; do
    grep -qF "$erwartet" <<<"$text" || fail "\"$erwartet\" not on view"
done
if [ -n "$picture" ]; then
    read -r X Y WIDTH HEIGHT <<<"$(xwininfo -id "$lesen" | awk '/Absolute upper-left X/ {x=$4}
        /Absolute upper-left Y/ {y=$4} /Width/ {w=$2} /Height/ {h=$2} END {print x, y, w, h}')"
    "$shot" "$picture" "$X" "$Y" "$WIDTH" "$HEIGHT" 1
fi

# The vocabulary list, saved as the lesson "Lesetext".
xdotool key alt+l
frage=$(window "Als Lektion speichern")
activate "$frage"
xdotool key ctrl+a
xdotool type --delay 1 "Lesetext"
xdotool key Return
gone "Als Lektion speichern"
sleep 0.5

db=$XDG_DATA_HOME/latiflex/lektionen.sqlite
[ -f "$db" ] || fail "no database in $XDG_DATA_HOME/latiflex"
woerter=$(sqlite3 "file:$db?mode=ro" \
    "SELECT count(*) FROM wort JOIN lektion ON wort.lektion = lektion.id WHERE lektion.name = 'Lesetext'")
echo "lesson Lesetext: $woerter words"
[ "$woerter" = 1 ] || fail "expected the verb alone in the new lesson, found $woerter words"
rm -rf "$out"
