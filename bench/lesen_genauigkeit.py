#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How often Text lesen ranks the right reading first, against hand-parsed Latin.

    python3 bench/lesen_genauigkeit.py build/release/tests/transcript [TEXT GOLD]...
    python3 bench/lesen_genauigkeit.py --pruefen [GOLD]...

Without TEXT GOLD pairs it reads Caesar's first chapter and the held-out sentences
(bench/lesen_caesar*.txt, bench/lesen_geprueft*). Each text is read by the driver's `read`
step; each `word` line is compared with the gold file's row for that word: its class (N noun,
A adjective, V finite verb, X other, E a name, not counted) and the right readings
(lemma=cell; cell * for any). "lemma": the first dictionary form of the first reading is a
right lemma (marks, capitals, j/i and u/v aside); "lemma+cell": with that lemma's cell;
"meaning": a meaning is shown. `--wrong` lists the words read wrong.

`--pruefen` checks every gold cell of nouns, adjectives and verbs against the paradigm
Collatinus gives (../shared/reference/collatinus_forms.py, or LATIFLEX_REFERENCE): the form
must stand in that cell of that lemma.
"""

import json
import os
import subprocess
import sys
import unicodedata

HIER = os.path.dirname(os.path.abspath(__file__))
TEXTE = [("lesen_caesar.txt", "lesen_caesar_gold.tsv"), ("lesen_geprueft.txt", "lesen_geprueft_gold.tsv")]


def normiert(s):
    s = unicodedata.normalize("NFD", s.lower())
    s = "".join(c for c in s if not unicodedata.combining(c))
    return s.replace("j", "i").replace("v", "u").strip()


def gold_lesen(pfad):
    zeilen = []
    for z in open(pfad, encoding="utf-8"):
        if z.startswith("#") or not z.strip():
            continue
        form, klasse, *richtig = z.rstrip("\n").split("\t")
        paare = [(r.split("=")[0], r.split("=", 1)[1] if "=" in r else "*") for r in richtig]
        zeilen.append((form, klasse, paare))
    return zeilen


def woerter(treiber, text):
    skript = "answer 0\nanswer 12\nread " + " ".join(text.split()) + "\n"
    aus = subprocess.run([treiber], input=skript, capture_output=True, text=True, check=True).stdout
    return [json.loads("[" + z[5:].replace('" "', '", "') + "]") for z in aus.splitlines()
            if z.startswith("word ")]


def messen(treiber, paare, falsche):
    zahl = {}

    def zaehle(name, gut):
        n, g = zahl.get(name, (0, 0))
        zahl[name] = (n + 1, g + (1 if gut else 0))

    for textname, goldname in paare:
        text = open(textname, encoding="utf-8").read()
        gold = gold_lesen(goldname)
        gelesen = woerter(treiber, text)
        if len(gelesen) != len(gold):
            sys.exit(f"{textname}: {len(gelesen)} words read, {len(gold)} in {goldname}")
        for (form, klasse, richtig), (gform, formen, zelle, bedeutung) in zip(gold, gelesen):
            if normiert(form) != normiert(gform):
                sys.exit(f"{goldname}: {form} where the driver read {gform}")
            if klasse == "E":
                continue
            lemma = normiert(formen.split(", ")[0]) if formen else ""
            # A noun's or adjective's lemma read as a verb (latro as latrare) is no right lemma.
            art = ("V" if "Person" in zelle else "A" if zelle.split(" ")[0] in GENERA
                   else "N" if zelle else "")
            lemma_gut = (any(lemma == normiert(l) for l, _ in richtig)
                         and (klasse not in "NAV" or art == klasse))
            zelle_gut = any(lemma == normiert(l) and (c == "*" or c == zelle) for l, c in richtig)
            zaehle("alle: lemma", lemma_gut)
            zaehle("alle: meaning", bedeutung != "")
            if klasse in "NAV":
                zaehle(klasse + ": lemma", lemma_gut)
                zaehle(klasse + ": lemma+cell", zelle_gut)
                zaehle("NAV: lemma", lemma_gut)
                zaehle("NAV: lemma+cell", zelle_gut)
            if falsche and not (zelle_gut if klasse in "NAV" else lemma_gut):
                print(f"  {klasse} {form}: {formen} | {zelle}  (right: "
                      + "; ".join(f"{l}={c}" for l, c in richtig) + ")")
    return zahl


GENERA = ("Maskulinum", "Femininum", "Neutrum")
ZELLEN = {"Nominativ": "nom", "Genitiv": "gen", "Dativ": "dat", "Akkusativ": "acc",
          "Vokativ": "voc", "Ablativ": "abl", "Singular": "sg", "Plural": "pl",
          "Maskulinum": "m", "Femininum": "f", "Neutrum": "n"}
ZEITEN = {"Präsens": "pres", "Imperfekt": "impf", "Futur I": "fut", "Perfekt": "perf",
          "Plusquamperfekt": "plup", "Futur II": "futperf"}


def pruefen(goldpfade):
    ref = os.environ.get("LATIFLEX_REFERENCE",
                         os.path.join(HIER, "..", "..", "shared", "reference"))
    skript = os.path.join(ref, "collatinus_forms.py")
    fehler = 0
    geprueft = 0
    for pfad in goldpfade:
        for form, klasse, richtig in gold_lesen(pfad):
            for lemma, zelle in richtig:
                if klasse not in "NAV" or zelle == "*":
                    continue
                art = {"N": "noun", "A": "adj", "V": "verb"}[klasse]
                aus = subprocess.run([sys.executable, skript, art, lemma], capture_output=True,
                                     text=True)
                if aus.returncode != 0:
                    print(f"{pfad}: {lemma} ({art}) not in the reference: {aus.stderr.strip()[:80]}")
                    continue
                formen = json.loads(aus.stdout)["forms"]
                w = zelle.split()
                if klasse == "V":
                    person = int(w[0][0]) - 1 + (3 if w[2] == "Plural" else 0)
                    zeit = ZEITEN[" ".join(w[3:-2])]
                    modus = "ind" if w[-2] == "Indikativ" else "subj"
                    art_v = "act" if w[-1] == "Aktiv" else "pass"
                    kandidaten = [formen.get(f"{a}.{modus}.{zeit}", [[]] * 6)[person]
                                  for a in ({art_v, "act"} if json.loads(aus.stdout).get("kind")
                                            else {art_v})]
                    liste = [f for k in kandidaten for f in k]
                elif klasse == "A":
                    liste = formen[ZELLEN[w[0]]][ZELLEN[w[1]] + "." + ZELLEN[w[2]]]
                else:
                    liste = formen[ZELLEN[w[0]] + "." + ZELLEN[w[1]]]
                geprueft += 1
                if normiert(form).removesuffix("que") not in [normiert(f) for f in liste]:
                    fehler += 1
                    print(f"{pfad}: {form} is not {lemma} {zelle} (reference: {liste})")
    print(f"{geprueft} cells checked, {fehler} not found in the reference")
    return fehler == 0


def main():
    args = sys.argv[1:]
    if args and args[0] == "--pruefen":
        gold = args[1:] or [os.path.join(HIER, g) for _, g in TEXTE]
        sys.exit(0 if pruefen(gold) else 1)
    falsche = "--wrong" in args
    args = [a for a in args if a != "--wrong"]
    treiber, rest = args[0], args[1:]
    paare = list(zip(rest[::2], rest[1::2])) or [(os.path.join(HIER, t), os.path.join(HIER, g))
                                                  for t, g in TEXTE]
    for paar in paare:
        print(os.path.basename(paar[0]))
        zahl = messen(treiber, [paar], falsche)
        for name in sorted(zahl):
            n, g = zahl[name]
            print(f"  {name:18} {g:4} / {n:4}  {100.0 * g / n:5.1f} %")


if __name__ == "__main__":
    main()
