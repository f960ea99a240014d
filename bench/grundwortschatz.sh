#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The core vocabulary against the reference lexicon: the transcript driver adds every lesson
# "Grundwortschatz N" from the installed dictionary and writes it as a lesson file, and
# bench/grundwortschatz.py compares each word's dictionary forms with the reference's.
# Collatinus' data as for bench/bestimmen.sh (COLLATINUS_DATA). Run after a release build:
#   bash bench/grundwortschatz.sh
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${COLLATINUS_DATA:-}" ]; then
    dir=build/collatinus
    if [ ! -d "$dir/usr/share/collatinus/data" ]; then
        mkdir -p "$dir"
        (cd "$dir" && apt-get download collatinus && dpkg-deb -x collatinus_*.deb .)
    fi
    export COLLATINUS_DATA=$PWD/$dir/usr/share/collatinus/data
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
    echo "answer 0"
    echo "answer 12"
    for n in $(seq 1 30); do
        echo "vocabulary add Grundwortschatz $n"
        echo "lesson export $work/$n.txt Grundwortschatz $n"
    done
} >"$work/script.txt"
XDG_DATA_HOME=$work/data build/release/tests/transcript <"$work/script.txt" | grep -c "^lesson imported" |
    sed 's/^/lessons added: /'
python3 bench/grundwortschatz.py $(seq -f "$work/%g.txt" 1 30)
