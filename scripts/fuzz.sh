#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a fixed number of runs or a
# fixed time: scripts/fuzz.sh --runs 1000000, or scripts/fuzz.sh --seconds 40.
# Seeds: the golden scripts (clicks), fuzz/seeds/ and the golden lesson files; the growing corpus and any
# crashing input stay under build/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
limit=(-max_total_time=20)
drill=(-max_total_time=10) # the drill's target is small: a shorter run keeps CI in its budget
bestimmen=(-max_total_time=5) # the analysis: five seconds, so CI keeps its budget
datei=(-max_total_time=5)     # the lesson file reader is smaller still
case "${1:-}" in
    --runs) limit=(-runs="$2") drill=(-runs="$2") bestimmen=(-runs="$2") datei=(-runs="$2") ;;
    --seconds) limit=(-max_total_time="$2") drill=(-max_total_time="$(( $2 < 10 ? $2 : 10 ))")
               bestimmen=(-max_total_time="$(( $2 < 5 ? $2 : 5 ))")
               datei=(-max_total_time="$(( $2 < 5 ? $2 : 5 ))") ;;
    "") ;;
    *) echo "usage: $0 [--runs N | --seconds S]" >&2; exit 2 ;;
esac

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

for target in clicks text drill bestimmen lektionsdatei lesen; do
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus" build/fuzz/artifacts
    case $target in
        clicks) cp tests/golden/*.txt "$corpus"/ ;;
        text) cp fuzz/seeds/text/* "$corpus"/ ;;
        drill) cp fuzz/seeds/drill/* "$corpus"/ ;;
        bestimmen) cp fuzz/seeds/bestimmen/* "$corpus"/ ;;
        lektionsdatei) find tests/golden/lessons -maxdepth 1 -type f -exec cp {} "$corpus"/ \; ;;
        lesen) cp fuzz/seeds/lesen/* "$corpus"/ ;;
    esac
    run=("${limit[@]}")
    [ "$target" = drill ] && run=("${drill[@]}")
    [ "$target" = bestimmen ] && run=("${bestimmen[@]}")
    [ "$target" = lesen ] && run=("${bestimmen[@]}")
    [ "$target" = lektionsdatei ] && run=("${datei[@]}")
    echo "== ${target}_fuzzer ${run[*]}"
    # The fuzzer's own status decides (with pipefail, "|| true" would hide a crash).
    set +e
    build/fuzz/fuzz/${target}_fuzzer "${run[@]}" -max_len=1024 -timeout=10 -print_final_stats=1 \
        -artifact_prefix=build/fuzz/artifacts/ "$corpus" 2>&1 |
        grep -E '^(#[0-9]+[[:space:]]+(INITED|DONE)|stat::|==[0-9]+==|SUMMARY|Done|.*depends on|.*Test unit written)'
    status=${PIPESTATUS[0]}
    set -e
    [ "$status" -eq 0 ] || { echo "${target}_fuzzer found a fault" >&2; exit 1; }
done
