#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The hint line over a reference lexicon, typed as textbooks print it.

Every common lemma (frequency 3 or more in Collatinus' lemmes.la) of the nouns, adjectives
and verbs is typed into the `transcript` driver with `hints`: once in plain letters, and then
each dictionary form in turn with the long marks Collatinus gives it (templī) and, separately,
with a blank at its end (rosae ). A page is right when it prints, read as the pupil reads it
(marks, capitals and blanks aside), what the plain typing prints, and no long mark stands on
a vowel Latin keeps short there (monēo, amāt: before a vowel, before nt or nd, before a final
m, t, r or l); it is better when it prints other forms than the plain typing and more of
them are forms of the lemma in Collatinus (lepus, leporīs: lepores, where the plain letters
give the neuter's lepora); it is changed otherwise. Counted: warnings on right pages whose
plain typing showed the tip (must be none), changed pages without a warning (must be none),
advice to drop the mark or blank on better pages (must be none), and how many warnings on
changed pages name the mark or blank. Also: how often the line calls a noun's nominative and genitive a rare pair,
typed right, and with the genitive's ending swapped for another declension's.

Usage: python3 bench/hint_marks.py [path/to/transcript]
  COLLATINUS_DATA   Collatinus' data folder; fetched and unpacked to a temporary folder
                    when unset and not installed
  LATIFLEX_REFERENCE  collatinus_forms.py (default: ../shared/reference/ beside the repo)
  HINT_EXAMPLES     how many examples of each kind to print (default 5)
"""

import importlib.machinery
import os
import pathlib
import subprocess
import sys
import tempfile
import types
import unicodedata

REPO = pathlib.Path(__file__).resolve().parent.parent
TIPP = "Tipp:"
GENITIVE_ENDINGS = ["ae", "ei", "is", "us", "i"]  # longest first where one ends another


def collatinus_data():
    data = os.environ.get("COLLATINUS_DATA")
    if data:
        return data
    if os.path.isdir("/usr/share/collatinus/data"):
        return "/usr/share/collatinus/data"
    folder = tempfile.mkdtemp(prefix="collatinus.")
    subprocess.run(["apt-get", "download", "collatinus"], cwd=folder, check=True)
    deb = next(pathlib.Path(folder).glob("collatinus_*.deb"))
    subprocess.run(["dpkg-deb", "-x", str(deb), folder], check=True)
    return os.path.join(folder, "usr/share/collatinus/data")


def reference():
    path = os.environ.get("LATIFLEX_REFERENCE",
                          str(REPO.parent / "shared/reference/collatinus_forms.py"))
    loader = importlib.machinery.SourceFileLoader("collatinus_forms", path)
    module = types.ModuleType(loader.name)
    module.__file__ = path
    loader.exec_module(module)
    return module


def with_long_marks(cf):
    """Collatinus' spelling with its macrons kept (breves and other marks dropped)."""
    def marked(s):
        out = []
        for ch in unicodedata.normalize("NFD", s):
            if ch == "\u0304" or not unicodedata.combining(ch):
                out.append(cf._SPECIAL.get(ch, ch))
        # the data writes y as a Cyrillic u, with or without its breve
        return unicodedata.normalize("NFC", "".join(out)).replace("у", "y").replace("У", "Y")
    return marked


def dictionary_lines(cf, data):
    """(part of speech, plain forms, marked forms) of every common lemma."""
    lex = cf.Lexicon(data)
    plain = cf.plain
    lines = []
    for lem in lex.lemmas:
        pos = lex.pos_of(lem)
        if pos not in ("n", "a", "v") or lem.freq < 3:
            continue
        cf.plain = plain
        forms = lex.dict_line(lem, pos)
        cf.plain = with_long_marks(cf)
        marked = lex.dict_line(lem, pos)
        cf.plain = plain
        if pos == "v":
            # the deponent's perfect "hortatus sum" is one answer
            parts = forms.split(" ", 2) if forms.endswith(" sum") else forms.split(" ")
            mparts = marked.split(" ", 2) if forms.endswith(" sum") else marked.split(" ")
        else:
            parts, mparts = forms.split(" "), marked.split(" ")
        if len(parts) != len(mparts) or (pos != "v" and "-" in parts):
            continue
        lines.append((pos, lem.key, parts, mparts, lem))
    return lines


def reference_forms(cf, lex, lem, pos):
    """Every form of the lemma in Collatinus, in plain letters, one blank between words."""
    value = lex.noun(lem) if pos == "n" else lex.adj(lem) if pos == "a" else lex.verb(lem)
    out = set()

    def walk(v):
        if isinstance(v, str):
            out.add(" ".join(v.lower().split()))
        elif isinstance(v, dict):
            for x in v.values():
                walk(x)
        elif isinstance(v, (list, tuple)):
            for x in v:
                walk(x)
    walk(value)
    return out


VOWELS = "aeiouy"


def short_vowel_marked(text):
    """Whether a long mark stands where Latin keeps the vowel short: before another vowel
    (but diēī), before nt or nd, before a final m, t, r or l of a word of two syllables or
    more."""
    for word in unicodedata.normalize("NFD", text).lower().split():
        letters = []
        for ch in word:
            if ch == "\u0304" and letters:
                letters[-1][1] = True
            elif not unicodedata.combining(ch):
                letters.append([ch, False])
        for i, (c, long) in enumerate(letters):
            if not long or c not in VOWELS:
                continue
            rest = "".join(x for x, _ in letters[i + 1:])
            before = "".join(x for x, _ in letters[:i])
            diphthong = c + rest[:1] in ("ae", "au", "oe", "eu")
            if rest[:1] and rest[0] in VOWELS and not diphthong and \
                    not (c == "e" and rest[0] == "i" and before.endswith("i")):
                return True
            if rest.startswith(("nt", "nd")):
                return True
            if len(rest) == 1 and rest in "mtrl" and any(x in VOWELS for x in before):
                return True
    return False


def answers(pos, forms):
    """The answers to the prompts the program asks for these forms, one each: a verb whose
    present ends in -r, or is sum, is asked three principal parts, any other four."""
    forms = ["" if f == "-" else f for f in forms]
    if pos == "v":
        three = forms[0].endswith("r") or forms[0] == "sum"
        forms = forms[:3] if three else (forms + [""])[:4]
    return forms


def steps(pos, forms):
    """The script steps of one lemma: each page followed by the notes, which mark its end."""
    typed = ["answer " + f for f in answers(pos, forms)]
    if pos == "n":
        return ["click Befehl1"] + typed + ["click Befehl3"]
    if pos == "a":
        return ["click Befehl4"] + typed + ["click Befehl3"]
    out = ["click verbum"] + typed + ["click Befehl3"]
    for page in ("prakt", "prpass", "perfakt", "perfpass"):
        out += ["click " + page, "click Befehl3"]
    return out


def seen(text):
    """A printed line as the pupil reads it."""
    text = unicodedata.normalize("NFD", text)
    text = "".join(c for c in text if not unicodedata.combining(c)).lower()
    return " ".join(text.split())


def unquote(s):
    """A quoted text of the log, its backslash escapes undone."""
    out, i, body = [], 0, s[1:-1]
    while i < len(body):
        c = body[i]
        if c == "\\" and i + 1 < len(body):
            n = body[i + 1]
            if n == "x":
                out.append(chr(int(body[i + 2:i + 4], 16)))
                i += 4
                continue
            out.append({"r": "\r", "n": "\n"}.get(n, n))
            i += 2
            continue
        out.append(c)
        i += 1
    return "".join(out)


def run(transcript, cases):
    """Plays every case; for each, the list of (page as read, hint) of its pages."""
    # the notes after the start-up close its segment, which is dropped
    script = ["hints", "answer 0", "answer 12", "click Befehl3"]
    for pos, forms in cases:
        script += steps(pos, forms)
    result = subprocess.run([transcript], input="\n".join(script) + "\n",
                            capture_output=True, text=True, check=True)
    pages, page, line, hint, prompts, short = [], [], [], "", 0, False
    for row in result.stdout.splitlines():
        kind, _, rest = row.partition(" ")
        if kind == "notes" and rest == "shown":
            pages.append((tuple(page), hint, short))
            page, line, short = [], [], False
        elif kind == "notes":
            continue
        elif kind == "text":
            line.append(unquote(rest))
        elif kind == "newline":
            short = short or short_vowel_marked("".join(line))
            page.append(seen("".join(line)))
            line = []
        elif kind in ("message", "clear"):
            page.append(row)
        elif kind == "prompt":
            prompts += 1
        elif kind == "hint":
            hint = unquote(rest)
    asked = 2 + sum(len(answers(pos, forms)) for pos, forms in cases)
    if prompts != asked:
        sys.exit("the script's answers and the program's prompts are out of step: %d, %d"
                 % (asked, prompts))
    pages = pages[1:]
    per_case, i = [], 0
    for pos, _ in cases:
        n = 1 if pos != "v" else 5
        per_case.append(pages[i:i + n])
        i += n
    return per_case


def play(transcript, cases, chunk=2000):
    out = []
    for k in range(0, len(cases), chunk):
        out += run(transcript, cases[k:k + chunk])
    return out


def is_warning(hint):
    return hint != "" and not hint.startswith(TIPP)


def names_cause(hint):
    return any(w in hint for w in ("tippen", "weglassen", "löschen"))


def main():
    transcript = sys.argv[1] if len(sys.argv) > 1 else str(REPO / "build/release/tests/transcript")
    examples = int(os.environ.get("HINT_EXAMPLES", "5"))
    cf = reference()
    lines = dictionary_lines(cf, collatinus_data())
    print("common lemmas: %d (nouns %d, adjectives %d, verbs %d)" % (
        len(lines), sum(p == "n" for p, *_ in lines), sum(p == "a" for p, *_ in lines),
        sum(p == "v" for p, *_ in lines)))

    plain = play(transcript, [(pos, forms) for pos, _, forms, _, _ in lines])
    kinds = {"supine": "Partizip auf -us", "no class": "keine Konjugation",
             "rare pair": "selten – meist", "not in its cell": "steht hier",
             "no forms": "keine Formen"}
    counts = {k: 0 for k in kinds}
    pages = sum(len(p) for p in plain)
    for p in plain:
        for _, hint, _ in p:
            for k, phrase in kinds.items():
                counts[k] += phrase in hint
    print("typed in plain letters, %d pages; warnings: %s" % (
        pages, ", ".join("%s %d" % kv for kv in counts.items())))

    variants = []  # (lemma index, kind, form index, typed forms)
    for i, (pos, key, forms, marked, _) in enumerate(lines):
        for j, f in enumerate(forms):
            if f == "-":
                continue
            if marked[j] != f:
                variants.append((i, "long mark", j, forms[:j] + [marked[j]] + forms[j + 1:]))
            variants.append((i, "trailing blank", j, forms[:j] + [f + " "] + forms[j + 1:]))
    typed = play(transcript, [(lines[i][0], forms) for i, _, _, forms in variants])

    stats = {}
    shown = {}
    references = {}

    def in_reference(i, page):
        """How many of the page's forms the lemma has: a noun's in their cells, the others'
        anywhere in the lemma's paradigm."""
        pos, _, _, _, lem = lines[i]
        if pos == "n":
            cells = list(lex.noun(lem).values())
            forms = [line for line in page if not line.startswith(("clear", "message"))][1:]
            return sum(f in cells[k] for k, f in enumerate(forms[:len(cells)]))
        if i not in references:
            references[i] = reference_forms(cf, lex, lem, pos)
        return sum(line in references[i] for line in page)

    lex = cf.Lexicon(collatinus_data())
    for (i, kind, j, forms), pages in zip(variants, typed):
        s = stats.setdefault(kind, dict(cases=0, right=0, right_tip=0, false_warning=0,
                                        changed=0, warned=0, cause=0, missed=0, refused=0,
                                        better=0, better_warned=0, better_advice=0))
        s["cases"] += 1
        status = []
        for (page, hint, short), (plain_page, plain_hint, _) in zip(pages, plain[i]):
            if "clear" not in page:
                status.append("kept")  # a message box over the page on view, which stays
            elif page == plain_page and not short:
                status.append("right")
            elif page[-1].startswith("message"):
                status.append("refused")
            elif page != plain_page and not short and \
                    in_reference(i, page) > in_reference(i, plain_page):
                status.append("better")
            else:
                status.append("changed")
        # After VERBUM the verb is what the pupil entered: it is changed when a page is, else
        # better when a page is.
        if lines[i][0] == "v" and status[0] in ("right", "better", "changed"):
            if any(st in ("changed", "refused") for st in status[1:]):
                status[0] = "changed"
            elif "better" in status[1:]:
                status[0] = "better"
        for st, (page, hint, _), (plain_page, plain_hint, _) in zip(status, pages, plain[i]):
            if st == "right":
                s["right"] += 1
                if not is_warning(plain_hint):
                    s["right_tip"] += 1
                    if is_warning(hint):
                        s["false_warning"] += 1
                        shown.setdefault((kind, "false warning"), []).append((forms, hint))
            elif st == "refused":
                s["refused"] += 1
            elif st == "better":
                s["better"] += 1
                if is_warning(hint):
                    s["better_warned"] += 1
                    s["better_advice"] += names_cause(hint)
                    if names_cause(hint):
                        shown.setdefault((kind, "advice on a better page"), []).append((forms, hint))
                    else:
                        shown.setdefault((kind, "better page, what the mark does"), []).append(
                            (forms, hint))
            elif st == "changed":
                s["changed"] += 1
                if is_warning(hint):
                    s["warned"] += 1
                    s["cause"] += names_cause(hint)
                    shown.setdefault((kind, "cause named"), []).append((forms, hint))
                else:
                    s["missed"] += 1
                    shown.setdefault((kind, "missed"), []).append((forms, hint))
    for kind, s in stats.items():
        print("\n%s on one dictionary form: %d typings" % (kind, s["cases"]))
        print("  pages as the plain typing prints them: %d, of which the plain typing shows the tip: %d"
              % (s["right"], s["right_tip"]))
        print("    warning on such a right page: %d" % s["false_warning"])
        print("  pages changed by it: %d, warned: %d (naming the mark or blank: %d), missed: %d"
              % (s["changed"], s["warned"], s["cause"], s["missed"]))
        print("  pages better than the plain typing's (more forms of the lemma): %d, warned: %d,"
              " advice to drop the mark or blank: %d" % (s["better"], s["better_warned"],
                                                          s["better_advice"]))
        print("  pages refused with a message box (the line is empty): %d" % s["refused"])
    for (kind, what), rows in sorted(shown.items()):
        print("\n%s, %s (%d), for example:" % (kind, what, len(rows)))
        for forms, hint in rows[:examples]:
            print("  %s -> %s" % (", ".join(repr(f) for f in forms), hint))

    # A noun pair that real Latin almost never has, typed right and with a swapped ending.
    nouns = [(i, l) for i, l in enumerate(lines) if l[0] == "n"]
    rare = [(lines[i][2], plain[i][0][1]) for i, _ in nouns if "selten – meist" in plain[i][0][1]]
    print("\nrare pair, typed right: %d of %d nouns (%.2f %%)"
          % (len(rare), len(nouns), 100.0 * len(rare) / len(nouns)))
    for forms, hint in rare:
        print("  %s -> %s" % (", ".join(forms), hint))
    swapped = []
    for i, (pos, key, forms, _, _) in nouns:
        nom, gen = forms
        ending = next((e for e in GENITIVE_ENDINGS if gen.endswith(e)), None)
        if ending is None:
            continue
        for other in GENITIVE_ENDINGS:
            if other != ending:
                swapped.append(("n", [nom, gen[: -len(ending)] + other]))
    heard = play(transcript, swapped)
    rare_swapped = sum("selten – meist" in pages[0][1] for pages in heard)
    any_warning = sum(is_warning(pages[0][1]) for pages in heard)
    print("rare pair, genitive's ending swapped for another declension's: %d of %d (%.1f %%);"
          " any warning: %d (%.1f %%)" % (rare_swapped, len(swapped), 100.0 * rare_swapped / len(swapped),
                                          any_warning, 100.0 * any_warning / len(swapped)))


if __name__ == "__main__":
    main()
