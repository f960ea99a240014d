#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The form analysis against real Latin: unpacks Collatinus' data (Debian package
# "collatinus", reference data only, never shipped) into a folder of its own unless
# COLLATINUS_DATA names one, writes the reference forms of the COUNT most frequent words of
# each class and runs bestimmen_bench over them. Run after a release build:
#   bash bench/bestimmen.sh [COUNT]          (COUNT: 300 unless given)
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-300}
if [ -z "${COLLATINUS_DATA:-}" ]; then
    dir=build/collatinus
    if [ ! -d "$dir/usr/share/collatinus/data" ]; then
        mkdir -p "$dir"
        (cd "$dir" && apt-get download collatinus && dpkg-deb -x collatinus_*.deb .)
    fi
    export COLLATINUS_DATA=$PWD/$dir/usr/share/collatinus/data
fi
reference=build/collatinus-reference.tsv
python3 bench/bestimmen_referenz.py "$count" >"$reference"
build/release/bench/bestimmen_bench <"$reference"
# The program's own table of pronouns and irregular verbs against the reference's forms.
build/release/bench/bestimmen_bench --tabelle | python3 bench/bestimmen_tabellen.py | tail -2
