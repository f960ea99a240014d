#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The core vocabulary against the reference lexicon: reads the lesson files the program
wrote for its lessons "Grundwortschatz N" and counts the words whose dictionary forms (as
the prompts take them) are the reference's own, for some lemma of that word class; prints
the others, one a line. Spelling compared as the reference writes it (no vowel marks, j as
i); u and v alike.

  python3 grundwortschatz.py FILE...     (run by bench/grundwortschatz.sh)

Reference data only: nothing of it ships.
"""
import collections
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REF = os.environ.get("LATIFLEX_REFERENCE", os.path.join(HERE, "..", "..", "shared", "reference"))
KLASSE = {"SUBST": "noun", "ADJEKTIV": "adj", "VERBUM": "verb"}


def key(forms):
    return tuple(f.lower().replace("j", "i").replace("v", "u") for f in forms)


def reference():
    lines = collections.defaultdict(set)
    for befehl, pos in KLASSE.items():
        out = subprocess.run([sys.executable, os.path.join(REF, "collatinus_forms.py"), "list", pos],
                             check=True, capture_output=True, text=True).stdout
        for line in out.splitlines():
            parts = line.split(" ")
            # A deponent's perfect is "hortatus sum": two words, one form.
            if len(parts) == 4 and parts[3] == "sum":
                parts = parts[:2] + [parts[2] + " sum"]
            lines[(befehl, key(parts[:1]))].add(key(parts))
    return lines


def words(path):
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\n")
        if not line or line.startswith("#"):
            continue
        befehl, rest = line.split(" ", 1)
        forms = rest.split(" = ")[0]
        for genus in (" m./f.", " m.", " f.", " n."):
            if forms.endswith(genus):
                forms = forms[: -len(genus)]
        yield befehl, forms.split(", ")


def main(paths):
    ref = reference()
    count = collections.Counter()
    for path in paths:
        for befehl, forms in words(path):
            known = ref.get((befehl, key(forms[:1])))
            verdict = "unknown" if not known else "equal" if key(forms) in known else "differs"
            count[verdict] += 1
            if verdict != "equal":
                print("%s\t%s %s\t%s" % (verdict, befehl, ", ".join(forms),
                                         " | ".join(", ".join(k) for k in sorted(known or []))))
    total = sum(count.values())
    print("words %d: forms as the reference's %d, other forms %d, lemma not in the reference %d"
          % (total, count["equal"], count["differs"], count["unknown"]))


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
