# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Shared by the end-to-end scripts (sourced, not run): the tools they need, a display of
# their own, and the steps every run of the real program takes on it.

# Every TOOL on the PATH, or the run is skipped (exit 77); where the README's test command
# runs (LATIFLEX_E2E_REQUIRED), which installs them all, a missing tool is a failure.
require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "$tool is missing"
            [ -n "${LATIFLEX_E2E_REQUIRED:-}" ] && exit 1
            exit 77
        fi
    done
}

# The arguments of the scripts that read the screen, LATIFLEX SHOT OUT [--picture FILE]:
# sets `latiflex`, `shot`, `out` and `picture` (empty without --picture), each absolute.
# shellcheck disable=SC2034 # set for the script that calls it
screen_arguments() {
    latiflex=$(realpath "$1") shot=$(realpath "$2") out=$(realpath -m "$3")
    picture=
    if [ "${4:-}" = --picture ]; then picture=$(realpath -m "$5"); fi
}

# start_xvfb DIR SIZE: an Xvfb of SIZE (WxHxD) on a free display, its number in DIR/display
# and its messages in DIR/xvfb.log; sets `xvfb` to its process and exports DISPLAY.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$2" -nolisten tcp -noreset 3>"$1/display" 2>"$1/xvfb.log" &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.1; done
    [ -s "$1/display" ] || { echo "Xvfb did not start"; cat "$1/xvfb.log"; exit 1; }
    DISPLAY=:$(cat "$1/display")
    export DISPLAY
}

# open_display DIR SIZE: a fresh folder DIR (absolute) for the run, which a failing run
# leaves for inspection, and a display of SIZE. The program keeps its runtime files in
# DIR/run and its lessons in DIR/run/daten, never in the user's folders, and draws through
# X at scale 1. What the run starts (`xvfb`, `wm`, `app`) is ended when the script exits.
open_display() {
    kept=$1
    rm -rf "$kept"
    mkdir -p "$kept"
    mkdir -m 700 "$kept/run"
    trap 'kill ${app:-} ${wm:-} ${xvfb:-} 2>/dev/null || true' EXIT
    start_xvfb "$kept/run" "$2"
    export XDG_RUNTIME_DIR=$kept/run XDG_DATA_HOME=$kept/run/daten QT_QPA_PLATFORM=xcb
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
}

# start_openbox LOG: the openbox window manager on the display, its messages in LOG; sets
# `wm` to its process. Windows mapped while openbox is still taking over the display may be
# lost with it: this returns once it has.
start_openbox() {
    openbox --sm-disable >"$1" 2>&1 &
    wm=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
}

# open_desktop DIR SIZE: `open_display`, then a fresh home folder DIR/home as on a new
# machine, made the working folder, and the openbox window manager on the display.
open_desktop() {
    open_display "$1" "$2"
    mkdir -p "$1/home"
    export HOME=$1/home
    cd "$HOME" || exit 1
    start_openbox "$1/openbox.log"
}

# fail MESSAGE: the run fails, naming the windows on view and where its files are kept.
fail() {
    echo "FAILED: $*" >&2
    for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        echo "window $w: $(xdotool getwindowname "$w" 2>/dev/null)" >&2
    done
    [ -n "${kept:-}" ] && echo "kept in $kept" >&2
    exit 1
}

# Waiting on the windows of the program under xdotool: `window NAME` prints the id of the
# visible window named exactly NAME (a regular expression), giving up after 20 seconds;
# `gone NAME` waits up to 10 seconds until none is; `reply NAME [TEXT]` types TEXT into
# that dialog and presses Enter.
window() {
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    fail "no window named \"$1\""
}
gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "\"$1\" stays"
}
# Gives the window ID the keyboard: through the window manager where one runs.
activate() {
    if [ -n "${wm:-}" ]; then
        xdotool windowactivate --sync "$1"
    else
        xdotool windowfocus --sync "$1"
    fi
}
reply() {
    local id
    id=$(window "$1")
    activate "$id"
    [ -n "${2:-}" ] && xdotool type --delay 1 "$2"
    xdotool key Return
    gone "$1"
}

# read_window ID NAME SCALE: the text of window ID as OCR reads it from a shot SCALE times
# enlarged (kept as $out/NAME.png and .txt), on one line.
read_window() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    "$shot" "$out/$2.png" "$X" "$Y" "$WIDTH" "$HEIGHT" "$3"
    tesseract "$out/$2.png" "$out/$2" --psm 6 >/dev/null 2>&1
    tr '\n' ' ' <"$out/$2.txt"
}

# start_latiflex LATIFLEX LOG [STEM END]: starts the program (its output added to LOG),
# answers its start-up with the colours STEM and END (0 and 12 unless given) and gives its
# main window the keyboard; sets `app` to its process and `main` to that window.
start_latiflex() {
    "$1" >>"$2" 2>&1 &
    app=$!
    reply ADRESSE
    reply WORTSTAMM "${3:-0}"
    reply ENDUNG "${4:-12}"
    reply WARNUNG
    main=$(window "LATIFLEX 1 ")
    activate "$main"
}

# decline NOMINATIVE GENITIVE: the noun through SUBST (8880, 240 twips: 592, 16 pixels at 96
# dots per inch) and its two prompts.
decline() {
    xdotool mousemove --window "$main" 632 32 click 1
    reply '1\.Sg\.' "$1"
    reply '2\.Sg\.' "$2"
}

# copied KEY: the text of the control reached with Alt+KEY, as the keyboard copies it.
copied() {
    xdotool key "alt+$1" ctrl+a ctrl+c
    sleep 0.3
    xclip -o -selection clipboard
}
