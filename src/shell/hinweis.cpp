#include "shell/hinweis.h"

#include "grammar/bezeichnung.h"
#include "grammar/text.h"

#include <algorithm>

namespace latiflex::hinweis {

namespace {

using grammar::Form;
using grammar::Paradigma;
using grammar::Zelle;

std::string gedruckt(const Form& f) { return f.wortform.ganz(); }

bool leer(const Form& f) { return f.wortform.leer(); }

bool istPerfektPassiv(const Zelle& z) {
    return z.genusVerbi == grammar::GenusVerbi::passiv &&
           (z.tempus == grammar::Tempus::perfekt || z.tempus == grammar::Tempus::plusquamperfekt ||
            z.tempus == grammar::Tempus::futur2);
}

bool passt(std::string_view getippt, const Form& f, const Zelle& z) {
    const std::string t = text::einBlank(getippt);
    const std::string d = text::einBlank(gedruckt(f));
    if (t == d) return true;
    // hortatus for hortatus sum: the command reads a deponent's perfect up to its first blank.
    return istPerfektPassiv(z) && t.find(' ') == std::string::npos && d.substr(0, d.find(' ')) == t;
}

// Whether the page has a place for the cell: every cell of a noun or adjective page, a
// verb's only on the page of its tense, mood and voice.
bool hatPlatz(const Paradigma& p, const Zelle& z) {
    if (p.wortart != grammar::Wortart::verbum) return true;
    for (const auto& block : p.bloecke)
        for (const Form& f : block.formen)
            if (f.zelle.tempus == z.tempus && f.zelle.modus == z.modus &&
                f.zelle.genusVerbi == z.genusVerbi)
                return true;
    return false;
}

bool spalteLeer(const Paradigma& p, const Zelle& z) {
    for (const auto& block : p.bloecke)
        if (std::any_of(block.formen.begin(), block.formen.end(),
                        [&](const Form& f) { return f.zelle == z; }))
            return std::all_of(block.formen.begin(), block.formen.end(), leer);
    return false;
}

// "A - Deklination" of "SUBSTANTIV der A - Deklination"; empty when the program named no class.
std::string klassenname(const Paradigma& p) {
    const auto der = p.klasse.find(" der ");
    return der == std::string::npos ? std::string() : p.klasse.substr(der + 5);
}

std::string schluss(const Paradigma& p) {
    return klassenname(p).empty()
               ? " – das Wort passt nicht zu den Regeln des Programms, oder es ist vertippt."
               : " – wohl eine andere Klasse, oder vertippt?";
}

std::string passtNicht(const Paradigma& p, const grammar::Stichwort& s, std::string_view statt) {
    std::string text = "»" + s.wort + "« passt nicht als " + grammar::bezeichnung(*s.zelle);
    if (const std::string k = klassenname(p); !k.empty()) text += " der " + k;
    return text + " (hier: " + std::string(statt) + ")" + schluss(p);
}

std::string keineFormen(const Paradigma& p) {
    std::string text = "Zu ";
    bool erstes = true;
    for (const auto& s : p.stichwoerter) {
        if (!s.zelle) continue;
        text += (erstes ? "»" : ", »") + s.wort + "«";
        erstes = false;
    }
    text += " bildet das Programm keine Formen";
    if (const std::string k = klassenname(p); !k.empty()) text += " der " + k;
    return text + schluss(p);
}

} // namespace

std::optional<std::string> warnung(const Paradigma& p) {
    if (!p.hatFormen()) {
        const bool getippt = std::any_of(p.stichwoerter.begin(), p.stichwoerter.end(),
                                         [](const auto& s) { return s.zelle.has_value(); });
        if (getippt) return keineFormen(p);
        return std::nullopt;
    }
    std::vector<const grammar::Stichwort*> reihe;
    for (std::size_t i = 1; i < p.stichwoerter.size(); ++i)
        reihe.push_back(&p.stichwoerter[i]);
    if (!p.stichwoerter.empty()) reihe.push_back(&p.stichwoerter.front());

    for (const grammar::Stichwort* s : reihe) {
        if (!s->zelle || !hatPlatz(p, *s->zelle)) continue;
        const auto formen = p.formenIn(*s->zelle);
        if (formen.empty() || spalteLeer(p, *s->zelle)) return passtNicht(p, *s, "keine Form");
        const auto gefunden = std::find_if(formen.begin(), formen.end(), [&](const Form* f) {
            return !leer(*f) && passt(s->wort, *f, *s->zelle);
        });
        if (gefunden != formen.end()) continue;
        const auto erste =
            std::find_if(formen.begin(), formen.end(), [](const Form* f) { return !leer(*f); });
        if (erste == formen.end()) continue; // the rules' own gap: vis has no genitive
        return passtNicht(p, *s, "»" + gedruckt(**erste) + "«");
    }
    return std::nullopt;
}

std::string text(const Seiten& seiten) {
    const Paradigma* p = seiten.zuletzt();
    if (!p) return {};
    if (auto w = warnung(*p)) return std::move(*w);
    return p->hatFormen() ? std::string(tipp) : std::string();
}

} // namespace latiflex::hinweis
