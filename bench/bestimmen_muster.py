#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Derives the pattern table of the form analysis (src/analysis/muster.tsv) from the
Collatinus lexicon: every lemma's dictionary forms, as the program's prompts take them,
are cut into the longest root they share and the tails after it ("rex regis": root "re",
tails "x", "gis"); each tuple of tails is a pattern, weighted by the number of lemmas that
follow it. Prints the tab-separated rows of the patterns that at least MIN lemmas follow.

  python3 bestimmen_muster.py [--min MIN] [--data DIR]

Reference data only: run by hand when the table is to be derived again; the program
never reads the lexicon.
"""
import collections
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REF = os.environ.get("LATIFLEX_REFERENCE", os.path.join(HERE, "..", "..", "shared", "reference"))
sys.path.insert(0, REF)
import collatinus_forms as cf  # noqa: E402


def root_and_tails(words):
    root = os.path.commonprefix(words)
    return root, tuple(w[len(root):] for w in words)


def main(argv):
    minimum = 2
    data = os.environ.get("COLLATINUS_DATA", cf.DEFAULT_DATA)
    args = list(argv)
    while args:
        a = args.pop(0)
        if a == "--min":
            minimum = int(args.pop(0))
        elif a == "--data":
            data = args.pop(0)
    lex = cf.Lexicon(data, ext=False, no_rare=False, errata=True)
    for pos, befehl in (("n", "SUBST"), ("a", "ADJEKTIV"), ("v", "VERBUM")):
        counts = collections.Counter()
        tokens = collections.Counter()
        example = {}
        for lem in lex.lemmas:
            if lex.pos_of(lem) != pos:
                continue
            words = lex.dict_line(lem, pos).split(" ")
            if pos == "v" and words[-1] == "sum":  # a deponent: "hortatus sum" is one answer
                words = words[:-2] + [words[-2] + " sum"]
            if "-" in words or any(not w.replace(" ", "").isalpha() for w in words):
                continue
            if any(w != w.lower() for w in words):
                continue
            root, tails = root_and_tails(words)
            if not root:
                continue
            key = (tails, root[-1])
            counts[key] += 1
            tokens[key] += lem.freq
            if key not in example or lem.freq > example[key][0]:
                example[key] = (lem.freq, root)
        for (tails, last), n in sorted(counts.items(), key=lambda kv: (-kv[1], kv[0])):
            if n < minimum:
                break
            print("\t".join([befehl, last, str(n), str(tokens[(tails, last)]),
                             example[(tails, last)][1], *tails]))


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
