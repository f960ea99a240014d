#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the reference forms the analysis benchmark reads: the COUNT most frequent
lemmas of each word class of the Collatinus lexicon, one line per cell,

  CLASS <TAB> ANSWERS <TAB> CELL <TAB> FORMS

CLASS "SUBST", "ADJEKTIV" or "VERBUM"; ANSWERS the dictionary forms as the program's
prompts take them, joined by "|"; CELL "nom.sg" (a noun), "m.nom.sg" (an adjective) or
"act.ind.pres.3" (a verb, person 1 to 6; a deponent's forms under "act"); FORMS every
reference form of the cell, joined by "|". Lemmas with a missing dictionary form, a
capital or a letter beyond a to z are left out.

  python3 bestimmen_referenz.py COUNT > reference.tsv
"""
import os
import sys

REF = os.environ.get("LATIFLEX_REFERENCE",
                     os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                  "shared", "reference"))
sys.path.insert(0, REF)
import collatinus_forms as cf  # noqa: E402


def main(argv):
    count = int(argv[0]) if argv else 300
    lex = cf.Lexicon(os.environ.get("COLLATINUS_DATA", cf.DEFAULT_DATA), ext=False,
                     no_rare=False, errata=True)
    out = sys.stdout
    for pos, befehl in (("n", "SUBST"), ("a", "ADJEKTIV"), ("v", "VERBUM")):
        lemmas = sorted((l for l in lex.lemmas if lex.pos_of(l) == pos), key=lambda l: -l.freq)
        taken = 0
        for lem in lemmas:
            if taken == count:
                break
            words = lex.dict_line(lem, pos).split(" ")
            deponent = pos == "v" and words[-1] == "sum"
            if deponent:
                words = words[:-2] + [words[-2] + " sum"]
            if pos == "v" and words[0] == "sum":
                words = words[:3]
            if "-" in words or any(not w.replace(" ", "").isalpha() or w != w.lower() or
                                   not w.replace(" ", "").isascii() for w in words):
                continue
            taken += 1
            answers = "|".join(words)
            if pos == "n":
                cells = {k: v for k, v in lex.noun(lem).items()}
            elif pos == "a":
                cells = {"%s.%s" % (g, k): v for g, d in lex.adj(lem).items() for k, v in d.items()}
            else:
                forms, _ = lex.verb(lem)
                cells = {"%s.%d" % (k, i + 1): v for k, lists in forms.items()
                         for i, v in enumerate(lists)}
            for cell, forms in cells.items():
                if forms:
                    out.write("%s\t%s\t%s\t%s\n" % (befehl, answers, cell, "|".join(forms)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
