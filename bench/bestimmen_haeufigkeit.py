#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Derives the frequency table of the form analysis (src/analysis/haeufigkeit.tsv) from the
Collatinus lexicon: each lemma of its base lexicon with the count the lexicon gives it in a
corpus of classical texts. Homonyms are one line, their counts added; the lemma is written
without length marks, in lower case, j as i (v kept); lemmas the texts never show (count 0)
and those with a letter beyond a to z are left out. Prints the table, most frequent first.

  python3 bestimmen_haeufigkeit.py [--data DIR] > src/analysis/haeufigkeit.tsv

Reference data only: run by hand when the table is to be derived again. Only these figures
ship, never the lexicon's words' forms or meanings.
"""
import collections
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REF = os.environ.get("LATIFLEX_REFERENCE", os.path.join(HERE, "..", "..", "shared", "reference"))
sys.path.insert(0, REF)
import collatinus_forms as cf  # noqa: E402

HEADER = """\
# How often each lemma occurs in a corpus of classical texts, as the lexicon of Collatinus
# counts it; derived by bench/bestimmen_haeufigkeit.py (homonyms added up). Only these
# figures are kept: the analysis ranks a real word before a guess of the rules and a common
# one before a rare one. Columns, tab-separated: lemma (no vowel marks, j as i), count.
"""


def main(argv):
    data = os.environ.get("COLLATINUS_DATA", cf.DEFAULT_DATA)
    if argv[:1] == ["--data"]:
        data = argv[1]
    counts = collections.Counter()
    for line in cf.data_lines(os.path.join(data, "lemmes.la")):
        lem = cf.Lemma(line, 0)
        word = cf.plain(lem.base).lower()
        if lem.freq > 0 and word.isascii() and word.isalpha():
            counts[word] += lem.freq
    sys.stdout.write(HEADER)
    for word, n in sorted(counts.items(), key=lambda kv: (-kv[1], kv[0])):
        sys.stdout.write("%s\t%d\n" % (word, n))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
