// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/bestimmenwoerterbuch.h"

#include "dictionary/woerterbuch.h"

namespace latiflex {

namespace {

using woerterbuch::Formart;

// The entry's dictionary forms as the command's prompts take them (a verb's supine as its
// participle, a deponent's as its perfect); an empty command where a form is missing.
Eingabe formen(const woerterbuch::Eintrag& e, const std::string& befehl) {
    Eingabe ergebnis{befehl, {e.stichwort}};
    const auto dazu = [&](std::optional<std::string> f) {
        if (!f) return false;
        ergebnis.antworten.push_back(*f);
        return true;
    };
    bool ganz = true;
    if (befehl == "SUBST") {
        ganz = dazu(e.form(Formart::genitiv));
    } else if (befehl == "ADJEKTIV") {
        const auto f = e.form(Formart::femininum);
        ganz = dazu(f ? f : e.form(Formart::genitiv)) && dazu(e.form(Formart::neutrum));
    } else {
        auto supinum = e.form(Formart::supinum);
        if (supinum && supinum->ends_with("um")) supinum->replace(supinum->size() - 2, 2, "us");
        ganz = dazu(e.form(Formart::infinitiv));
        if (e.stichwort.ends_with("r"))
            ganz = ganz && supinum && dazu(*supinum + " sum");
        else
            ganz = ganz && dazu(e.form(Formart::perfekt)) && dazu(supinum);
    }
    if (!ganz) ergebnis.befehl.clear();
    return ergebnis;
}

class Installiert final : public analysis::Woerterbuch {
public:
    explicit Installiert(const woerterbuch::Woerterbuch& w) : w_(w) {}

    std::optional<analysis::Lexem> eintrag(const Eingabe& eingabe) const override {
        const auto* e = w_.zuEingabe(eingabe);
        if (!e) return std::nullopt;
        const auto p = woerterbuch::passung(*e, eingabe);
        if (!p) return std::nullopt;
        return analysis::Lexem{
            formen(*e, eingabe.befehl),
            e->wortart == woerterbuch::Wortart::substantiv ? std::string(kuerzel(e->genus)) : "",
            e->bedeutungText(), p->bestaetigt, p->widersprochen};
    }

    bool hat(std::string_view lemma) const override { return !w_.stichwort(lemma).empty(); }

private:
    const woerterbuch::Woerterbuch& w_;
};

} // namespace

const analysis::Woerterbuch* bestimmenWoerterbuch() {
    const auto* w = woerterbuch::installiertes();
    if (!w) return nullptr;
    static const Installiert adapter(*w);
    return &adapter;
}

} // namespace latiflex
