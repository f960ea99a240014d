#include "drill/frage.h"

#include "grammar/bezeichnung.h"
#include "grammar/text.h"

namespace latiflex::drill {

namespace {

const grammar::Form& formDer(const Frage& f) {
    return f.seite->bloecke.at(f.block).formen.at(f.form);
}

std::string_view wasBestimmen(grammar::Wortart wortart) {
    switch (wortart) {
    case grammar::Wortart::substantiv:
        return "Kasus und Numerus";
    case grammar::Wortart::adjektiv:
        return "Genus, Kasus und Numerus";
    case grammar::Wortart::verbum:
        break;
    }
    return "Person, Numerus, Tempus, Modus und Genus verbi";
}

} // namespace

Wortform Frage::wortform() const {
    const Wortform& w = formDer(*this).wortform;
    if (seite->einfarbig) return {w.ganz(), ""};
    return w;
}

const grammar::Zelle& Frage::zelle() const { return formDer(*this).zelle; }

std::string Frage::wort() const {
    std::string text;
    for (const auto& s : seite->stichwoerter) {
        if (s.wort.empty()) continue;
        if (!text.empty()) text += ", ";
        text += text::kurz(s.wort);
    }
    return text + " (" + seite->klasse + ")";
}

std::string Frage::text() const {
    if (art == Fragenart::bilden) return "Bilde " + grammar::bezeichnung(zelle()) + ": " + wort();
    const Wortform w = wortform();
    return "Bestimme " + std::string(wasBestimmen(seite->wortart)) + ": " + text::kurz(w.ganz()) +
           " – " + wort();
}

} // namespace latiflex::drill
