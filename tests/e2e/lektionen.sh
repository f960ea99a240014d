#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lessons from outside, with the keyboard alone: the real latiflex under Xvfb and openbox.
# A teacher's lesson file (one line the rules refuse) is imported through Ctrl+L, Alt+I and
# the file dialog; the box must name the refused line (read by OCR), Alt+G imports the valid ones. F5 must
# open the drill on what is due today; three answers are given (one right from this script's
# own table of forms, one wrong, one "Lösung zeigen"), then ENDE is clicked with the drill
# open. Started again, the database (read by sqlite3, not by the program) holds the three
# answers of today and the window "Lektionen" lists the lesson. Then rex typed into SUBST
# shows its meaning there (read by OCR), and the meaning drill takes a right and a wrong one.
# Usage: lektionen.sh LATIFLEX SHOT OUT [--picture FILE]   (FILE: the window "Lektionen", PNG;
# bedeutungen.png beside it: the window with rex and its meaning)
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
screen_arguments "$@"
require_tools Xvfb xprop xwininfo xdotool openbox xclip sqlite3 tesseract

open_desktop "$out" 1600x1200x24
export LATIFLEX_UEBEN_SEED=3

ende() { # ENDE (9240, 5280 twips: 616, 352 pixels) with whatever is open, then the exit
    xdotool windowactivate --sync "$main"
    xdotool mousemove --window "$main" 644 368 click 1
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "ENDE left the program running"
    wait "$app" || fail "the program ended with $?"
    app=
}

# A teacher's lesson, as textbooks print the words; line 5 is refused by the rules.
cat >"$HOME/lektion12.txt" <<'EOF'
# Lektion 12
SUBST rosa, rosae
# Nomen der O-Deklination
SUBST amicus, amici
SUBST 12, 13
EOF
# The cases of rosa and amicus, written out by hand.
declare -A formen=(
    ["rosa, rosae/Nominativ Singular"]=rosa ["rosa, rosae/Genitiv Singular"]=rosae
    ["rosa, rosae/Dativ Singular"]=rosae ["rosa, rosae/Akkusativ Singular"]=rosam
    ["rosa, rosae/Vokativ Singular"]=rosa ["rosa, rosae/Ablativ Singular"]=rosa
    ["rosa, rosae/Nominativ Plural"]=rosae ["rosa, rosae/Genitiv Plural"]=rosarum
    ["rosa, rosae/Dativ Plural"]=rosis ["rosa, rosae/Akkusativ Plural"]=rosas
    ["rosa, rosae/Vokativ Plural"]=rosae ["rosa, rosae/Ablativ Plural"]=rosis
    ["amicus, amici/Nominativ Singular"]=amicus ["amicus, amici/Genitiv Singular"]=amici
    ["amicus, amici/Dativ Singular"]=amico ["amicus, amici/Akkusativ Singular"]=amicum
    ["amicus, amici/Vokativ Singular"]=amice ["amicus, amici/Ablativ Singular"]=amico
    ["amicus, amici/Nominativ Plural"]=amici ["amicus, amici/Genitiv Plural"]=amicorum
    ["amicus, amici/Dativ Plural"]=amicis ["amicus, amici/Akkusativ Plural"]=amicos
    ["amicus, amici/Vokativ Plural"]=amici ["amicus, amici/Ablativ Plural"]=amicis)

start_latiflex "$latiflex" "$out/latiflex.log"
xdotool key ctrl+l
lektionen=$(window Lektionen)
xdotool windowactivate --sync "$lektionen"
xdotool key alt+i
datei=$(window "Lektion importieren")
xdotool windowactivate --sync "$datei"
sleep 0.3
xdotool type --delay 1 "$HOME/lektion12.txt"
xdotool key Return
frage=$(window "Zeilen abgelehnt")
xdotool windowactivate --sync "$frage"
sleep 0.5
# The box, read from the screen.
text=$(read_window "$frage" frage 3)
echo "import asks: $text"
grep -q 'Zeile 5: Keine Zahlen' <<<"$text" || fail "refused line not named: $text"
xdotool key alt+g
gone "Zeilen abgelehnt"
xdotool windowactivate --sync "$lektionen"
xdotool key Escape
gone Lektionen

xdotool windowactivate --sync "$main"
xdotool key F5
ueben=$(window "Üben")
xdotool windowactivate --sync "$ueben"
sleep 0.3
# The drill covers none of the main window's buttons: 7800 to 10095 twips across, 240 to
# 5775 down (520 to 673 and 16 to 385 pixels).
absolut() { # x y width height of window $1 ($2: -frame for its frame)
    xwininfo -id "$1" ${2:+"$2"} | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width/ {w=$2} /Height/ {h=$2} END {print x, y, w, h}'
}
read -r mx my _ _ <<<"$(absolut "$main")"
read -r ux uy uw uh <<<"$(absolut "$ueben" -frame)"
if ((ux < mx + 673 && ux + uw > mx + 520 && uy < my + 385 && uy + uh > my + 16)); then
    fail "the drill ($ux,$uy ${uw}x$uh) covers the buttons of the main window at $mx,$my"
fi
echo "drill at $ux,$uy ${uw}x$uh, main window at $mx,$my"
frage=$(copied f)
echo "question: $frage"
wort=${frage#*: }
wort=${wort% (*}
zelle=${frage#Bilde }
zelle=${zelle%%:*}
# A dictionary form that is the answer stands as "___" in the question.
form=
for k in "${!formen[@]}"; do
    # shellcheck disable=SC2053 # the question's word, "___" read as any form
    [[ $k == ${wort//___/*}/"$zelle" ]] && form=${formen[$k]}
done
[ -n "$form" ] || fail "unexpected question: $frage"
xdotool key alt+a
xdotool type --delay 1 "$form"
xdotool key Return
sleep 0.3
verdict=$(copied e)
echo "right answer: $verdict"
[[ $verdict == Richtig!* ]] || fail "expected Richtig!: $verdict"
xdotool key alt+a
xdotool type --delay 1 "rosxyz"
xdotool key Return
sleep 0.3
verdict=$(copied e)
[[ $verdict == Falsch* ]] || fail "expected Falsch: $verdict"
xdotool key alt+l
sleep 0.3
verdict=$(copied e)
echo "solution: $verdict"
[[ $verdict == *"Lösung gezeigt."* ]] || fail "expected the solution: $verdict"
ende

db=$XDG_DATA_HOME/latiflex/lektionen.sqlite
[ -f "$db" ] || fail "no database in $XDG_DATA_HOME/latiflex"
start_latiflex "$latiflex" "$out/latiflex.log"
xdotool key ctrl+l
lektionen=$(window Lektionen)
xdotool windowactivate --sync "$lektionen"
# The lesson below the current one, with its words and the day practised.
xdotool key Down
sleep 0.5
if [ -n "$picture" ]; then
    read -r X Y WIDTH HEIGHT <<<"$(absolut "$lektionen")"
    "$shot" "$picture" "$X" "$Y" "$WIDTH" "$HEIGHT" 1
fi
woerter=$(sqlite3 "file:$db?mode=ro" "SELECT count(*) FROM wort")
antworten=$(sqlite3 "file:$db?mode=ro" "SELECT count(*) FROM antwort")
echo "stored after a new start: $woerter words, $antworten answers"
[ "$woerter" = 2 ] || fail "expected the 2 valid words, found $woerter"
[ "$antworten" = 3 ] || fail "expected 3 answers, found $antworten"
[ "$(sqlite3 "file:$db?mode=ro" "PRAGMA integrity_check")" = ok ] || fail "integrity check"
xdotool key Escape
gone Lektionen

# A word typed into SUBST joins the current lesson with the meaning of the tests' dictionary
# (LATIFLEX_WOERTERBUCH): rex, regis "König; Herrscher".
xdotool windowactivate --sync "$main"
decline rex regis
xdotool windowactivate --sync "$main"
xdotool key ctrl+l
lektionen=$(window Lektionen)
xdotool windowactivate --sync "$lektionen"
# The current lesson, first in the list; its word not selected, so that the dictionary's
# meaning shows as it does, in grey italics.
xdotool key Home alt+r ctrl+space
sleep 0.5
if [ -n "$picture" ]; then
    read -r X Y WIDTH HEIGHT <<<"$(absolut "$lektionen")"
    "$shot" "$(dirname "$picture")/bedeutungen.png" "$X" "$Y" "$WIDTH" "$HEIGHT" 1
fi
# The word's line, copied with Ctrl+C.
xdotool key Home ctrl+c
sleep 0.3
text=$(xclip -o -selection clipboard)
echo "Lektionen lists: $text"
[[ $text == "SUBST rex, regis m. = König; Herrscher – "* ]] || fail "no meaning for rex: $text"
xdotool key Escape
gone Lektionen

# The meaning drill (Art der Frage: Bedeutung, next to last) over what is due, answered right
# from the glosses, then wrong.
declare -A bedeutung=(["rosa, rosae"]=Rose ["rex, regis"]="König")
xdotool windowactivate --sync "$main"
xdotool key F5
ueben=$(window "Üben")
xdotool windowactivate --sync "$ueben"
sleep 0.3
xdotool key alt+r End Up Return
sleep 0.3
frage=$(copied f)
echo "meaning question: $frage"
wort=${frage#Was heißt }
wort=${wort%\?}
[ -n "${bedeutung[$wort]:-}" ] || fail "unexpected question: $frage"
xdotool key alt+a
xdotool type --delay 1 "${bedeutung[$wort]}"
xdotool key Return
sleep 0.3
verdict=$(copied e)
echo "right meaning: $verdict"
[[ $verdict == Richtig!* ]] || fail "expected Richtig!: $verdict"
frage=$(copied f)
[[ $frage == "Was heißt "* ]] || fail "expected a meaning question: $frage"
xdotool key alt+a
xdotool type --delay 1 "Hund"
xdotool key Return
sleep 0.3
verdict=$(copied e)
echo "wrong meaning: $verdict"
[[ $verdict == Falsch* ]] || fail "expected Falsch: $verdict"
ende
rm -rf "$out"
echo "lessons: passed"
