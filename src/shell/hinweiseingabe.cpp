// SPDX-License-Identifier: GPL-3.0-or-later
// Answers that do not fit their prompts: several forms in one, a form no Latin word is as
// long as, a missing or unknown infinitive, the supine for the participle, a rare pair.
#include "drill/vergleich.h"
#include "grammar/text.h"
#include "nouns/seltenespaar.h"
#include "shell/hinweisteile.h"
#include "verbs/verb.h"
#include "verbs/zeitseite.h"

#include <algorithm>

namespace latiflex::hinweis {

using grammar::Paradigma;

std::string zitat(std::string_view wort) { return "»" + text::kurz(wort, 40) + "«"; }

bool istDeponens(const Paradigma& p) {
    return !p.stichwoerter.empty() && p.stichwoerter[0].zelle &&
           p.stichwoerter[0].zelle->genusVerbi == grammar::GenusVerbi::passiv;
}

// All the dictionary forms typed into one prompt ("amo, amare, amavi"): each prompt takes one.
std::optional<Hinweis> mehrereFormen(const Paradigma& p) {
    for (const auto& s : p.stichwoerter)
        if (s.wort.find(',') != std::string::npos)
            return Hinweis{Art::mehrereFormen,
                           zitat(s.wort) + ": nur eine Form je Eingabe tippen."};
    return std::nullopt;
}

// A form longer than any Latin word: pasted text or a finger on a key. The rules form it,
// but it joins no lesson unless the pupil adds it on purpose.
std::optional<Hinweis> zuLang(const Paradigma& p) {
    for (const auto& s : p.stichwoerter)
        if (text::letterCount(s.wort) > laengstesWort)
            return Hinweis{Art::zuLang, zitat(s.wort) + ": so lang ist kein lateinisches Wort."};
    return std::nullopt;
}

// An infinitive from which the rules found no class: every tense page will say only
// "Keine Formen vorhanden".
std::optional<Hinweis> keineKlasse(const Paradigma& p) {
    if (p.wortart != grammar::Wortart::verbum || p.seite != "VERBUM" || !p.klassenname.empty() ||
        p.stichwoerter.size() < 2)
        return std::nullopt;
    const std::string& praesens = p.stichwoerter[0].wort;
    if (verbs::istSum(praesens) || verbs::istVoloNoloMalo(praesens)) return std::nullopt;
    const std::string& infinitiv = p.stichwoerter[1].wort;
    const std::string kennt = istDeponens(p) ? "Infinitive auf -ari, -eri, -iri, -i."
                                             : "Infinitive auf -are, -ere, -ire.";
    if (infinitiv.empty())
        return Hinweis{Art::keinInfinitiv, "Kein Infinitiv getippt – das Programm kennt " + kennt};
    return Hinweis{Art::keineKonjugation,
                   zitat(infinitiv) + ": keine Konjugation – das Programm kennt " + kennt};
}

// A participle typed as textbooks list the supine (laudatum): the prompt asks for -us.
std::optional<Hinweis> partizip(const Paradigma& p) {
    if (p.wortart != grammar::Wortart::verbum || istDeponens(p) || p.stichwoerter.size() < 4 ||
        (p.seite != "VERBUM" && p.seite != verbs::seitenKnoepfe[3]))
        return std::nullopt;
    const std::string& typed = p.stichwoerter[3].wort;
    const std::string sauber = drill::bereinigt(typed);
    const std::string klein = drill::normiert(typed);
    if (klein.empty() || text::endsWith(klein, "us")) return std::nullopt;
    std::string text = zitat(typed) + ": gefragt ist das Partizip auf -us";
    if (text::endsWith(klein, "um"))
        return Hinweis{Art::supinum, text + ", also " + zitat(text::lessOrEmpty(sauber, 2) + "us") +
                                         " (nicht das Supinum)."};
    return Hinweis{Art::supinum, text + "."};
}

// A nominative and genitive that real Latin almost never pairs (amicus, amicis: a slip of
// the ending), with the genitive such a nominative usually has.
std::optional<Hinweis> seltenesPaar(const Paradigma& p) {
    if (p.wortart != grammar::Wortart::substantiv || p.stichwoerter.size() < 2) return std::nullopt;
    const std::string sauber = drill::bereinigt(p.stichwoerter[0].wort);
    const auto meist = nouns::seltenesPaar(drill::normiert(p.stichwoerter[0].wort),
                                           drill::normiert(p.stichwoerter[1].wort), sauber);
    if (!meist) return std::nullopt;
    std::string liste;
    for (const std::string& g : *meist)
        liste += (liste.empty() ? "" : " oder ") + zitat(g);
    return Hinweis{Art::seltenesPaar, "Zu " + zitat(sauber) + " ist " +
                                          zitat(p.stichwoerter[1].wort) + " selten – meist " +
                                          (liste.empty() ? "auf -is" : liste) + "."};
}

} // namespace latiflex::hinweis
