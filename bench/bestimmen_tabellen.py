#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares the program's own table of pronouns and irregular verbs (the lines
`bestimmen_bench --tabelle` writes on standard input: FORMS, CELL, FORM) with the reference
lexicon of Collatinus, cell by cell: a cell is equal when every form the program gives is
one of the reference's forms of that cell (the reference also lists rarer variants such as
egomet or hisce). The words without cells are looked up as lemmas of the reference, and a
preposition's case is compared with the reference's note. Prints each difference and a
summary line per word class.

  build/release/bench/bestimmen_bench --tabelle | python3 bestimmen_tabellen.py
"""
import collections
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REF = os.environ.get("LATIFLEX_REFERENCE", os.path.join(HERE, "..", "..", "shared", "reference"))
sys.path.insert(0, REF)
import collatinus_forms as cf  # noqa: E402

# Words whose reference lemma is spelt otherwise than the vocabulary lists them.
LEMMA = {"sui": "se"}


def equal_cells(cells, ref):
    return sum(all(cf.match_key(x) in [cf.match_key(y) for y in ref.get(k, [])] for x in forms)
               for k, forms in cells.items())


def reference_cells(lex, lemmas, word, ours):
    """Every reference form of the word by cell, in the keys the program writes; of
    homonyms (edo "eat" and edo "give out") the one closest to the program's word."""
    found = [c for c in (reference_of(lex, lem) for lem in lemmas.get(word, [])) if c]
    return max(found, key=lambda c: equal_cells(ours, c)) if found else None


def reference_of(lex, lem):
    pos = lex.pos_of(lem)
    if pos == "v":
        forms, _ = lex.verb(lem)
        cells = {"%s.%d" % (k, i + 1): v for k, lists in forms.items()
                 for i, v in enumerate(lists)}
    elif pos in ("p", "a"):
        cells = {}
        for g, d in lex.adj(lem).items():
            for k, v in d.items():
                cells["%s.%s" % (g, k)] = v
                if g == "m":
                    cells[k] = v  # a pronoun without gender
    else:
        return None
    return cells if any(cells.values()) else None


def main():
    lex = cf.Lexicon(os.environ.get("COLLATINUS_DATA", cf.DEFAULT_DATA), ext=False,
                     no_rare=False, errata=True)
    lemmas = collections.defaultdict(list)
    for lem in sorted(lex.lemmas, key=lambda l: -l.freq):
        lemmas[cf.match_key(lem.base).lower()].append(lem)
    ours = collections.defaultdict(lambda: collections.defaultdict(list))
    for line in sys.stdin:
        f = line.rstrip("\n").split("\t")
        if len(f) == 3:
            ours[f[0]][f[1]].append(f[2])
    summary = collections.Counter()
    for words, cells in ours.items():
        lemma = words.split(", ")[0]
        ref = reference_cells(lex, lemmas, cf.match_key(LEMMA.get(lemma, lemma)).lower(), cells)
        kind = "verbs" if any("." in k and k.count(".") == 3 for k in cells) else "pronouns"
        if ref is None:
            print("%s: not in the reference" % words)
            summary[kind, "absent"] += 1
            continue
        same = 0
        for key, forms in sorted(cells.items()):
            theirs = [cf.match_key(x) for x in ref.get(key, [])]
            wrong = [x for x in forms if cf.match_key(x) not in theirs]
            if wrong:
                print("%s %s: %s, reference %s" % (words, key, "/".join(forms),
                                                   "/".join(ref.get(key, [])) or "none"))
            else:
                same += 1
        missing = [k for k, v in ref.items() if v and k not in cells and
                   (kind == "verbs" or k.count(".") == (list(cells)[0].count(".")))]
        summary[kind, "cells"] += len(cells)
        summary[kind, "equal"] += same
        summary[kind, "words"] += 1
        summary[kind, "reference cells we leave empty"] += len(missing)
    for kind in ("pronouns", "verbs"):
        print("%s: %d words (%d not in the reference), %d of %d cells equal, %d reference "
              "cells not in the table" % (
                  kind, summary[kind, "words"], summary[kind, "absent"], summary[kind, "equal"],
                  summary[kind, "cells"], summary[kind, "reference cells we leave empty"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
