#include "shell/hinweis.h"

#include "analysis/bestimmung.h"
#include "drill/vergleich.h"
#include "engine/wort.h"
#include "grammar/text.h"
#include "verbs/verb.h"
#include "verbs/zeitseite.h"

#include <algorithm>
#include <array>

namespace latiflex::hinweis {

namespace {

using grammar::Form;
using grammar::GenusVerbi;
using grammar::Paradigma;
using grammar::Stichwort;
using grammar::Tempus;
using grammar::Zelle;

// Longer than any Latin word, even a compound of the comedies.
constexpr std::size_t laengstesWort = 64;

// A typed word as the line quotes it: a huge one shows its beginning and end.
std::string zitat(std::string_view wort) { return "»" + text::kurz(wort, 40) + "«"; }

std::string gedruckt(const Form& f) { return f.wortform.ganz(); }

bool leer(const Form& f) { return f.wortform.leer(); }

bool istPerfektPassiv(const Zelle& z) {
    return z.genusVerbi == GenusVerbi::passiv &&
           (z.tempus == Tempus::perfekt || z.tempus == Tempus::plusquamperfekt ||
            z.tempus == Tempus::futur2);
}

// The cell as a teacher abbreviates it: "Gen. Sg.", "Fem. Nom. Sg.", "1. Sg. Perf. Pass.".
std::string kurzname(const Zelle& z) {
    constexpr std::array<std::string_view, 3> genera{"Mask. ", "Fem. ", "Neutr. "};
    constexpr std::array<std::string_view, 6> kasus{"Nom. ", "Gen. ", "Dat. ",
                                                    "Akk. ", "Vok. ", "Abl. "};
    constexpr std::array<std::string_view, 6> tempora{"Präs.", "Imperf.",  "Fut. I",
                                                      "Perf.", "Plusqpf.", "Fut. II"};
    const std::string numerus = z.numerus == grammar::Numerus::singular ? "Sg." : "Pl.";
    std::string s;
    if (z.genus) s += genera[static_cast<std::size_t>(*z.genus)];
    if (z.kasus) return s + std::string(kasus[static_cast<std::size_t>(*z.kasus)]) + numerus;
    if (z.person) s += std::to_string(static_cast<int>(*z.person) + 1) + ". " + numerus;
    if (z.tempus) s += " " + std::string(tempora[static_cast<std::size_t>(*z.tempus)]);
    if (z.modus == grammar::Modus::konjunktiv) s += " Konj.";
    if (z.genusVerbi) s += z.genusVerbi == GenusVerbi::aktiv ? " Akt." : " Pass.";
    return s;
}

// "A - Deklination" of "SUBSTANTIV der A - Deklination"; empty when the program named no class.
std::string klassenname(const Paradigma& p) {
    const auto der = p.klasse.find(" der ");
    return der == std::string::npos ? std::string() : p.klasse.substr(der + 5);
}

std::string schluss(const Paradigma& p) {
    return klassenname(p).empty() ? " – passt nicht zu den Regeln, oder vertippt?"
                                  : " – andere Klasse oder vertippt?";
}

// One form the page must print where the pupil expects it: a typed form in its own cell, or
// what a typed form makes of a cell the page prints from it (beo: beor).
struct Pruefung {
    const Stichwort* stichwort;
    Zelle zelle;
    std::string erwartet;
};

bool passt(const Pruefung& pr, const Form& f) {
    const std::string t = drill::normiert(pr.erwartet);
    const std::string d = drill::normiert(gedruckt(f));
    if (t == d) return true;
    // hortatus for hortatus sum: the command reads a deponent's perfect up to its first blank.
    return istPerfektPassiv(pr.zelle) && t.find(' ') == std::string::npos &&
           d.substr(0, d.find(' ')) == t;
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

bool istDeponens(const Paradigma& p) {
    return !p.stichwoerter.empty() && p.stichwoerter[0].zelle &&
           p.stichwoerter[0].zelle->genusVerbi == GenusVerbi::passiv;
}

// The checks of page `p`: forms after the first decide the class, so they come first; an
// active verb's present and participle also stand, changed, on its passive pages.
std::vector<Pruefung> pruefungen(const Paradigma& p) {
    std::vector<Pruefung> liste;
    const auto& s = p.stichwoerter;
    for (std::size_t i = 1; i <= s.size(); ++i) {
        const Stichwort& w = s[i % s.size()];
        if (w.zelle) liste.push_back({&w, *w.zelle, w.wort});
    }
    if (p.wortart != grammar::Wortart::verbum || istDeponens(p) || s.size() < 4) return liste;
    const auto erste = [](Tempus t, GenusVerbi g) {
        return grammar::verbZelle(grammar::Person::erste, grammar::Numerus::singular, t,
                                  grammar::Modus::indikativ, g);
    };
    const std::string praesens = drill::bereinigt(s[0].wort);
    if (text::endsWith(praesens, "o"))
        liste.push_back({&s[0], erste(Tempus::praesens, GenusVerbi::passiv), praesens + "r"});
    if (!drill::bereinigt(s[3].wort).empty())
        liste.push_back(
            {&s[3], erste(Tempus::perfekt, GenusVerbi::passiv), drill::bereinigt(s[3].wort)});
    return liste;
}

std::string passtNicht(const Paradigma& p, const Pruefung& pr, const std::string& statt) {
    return zitat(pr.stichwort->wort) + ": als " + kurzname(pr.zelle) + " steht hier " + statt +
           schluss(p);
}

std::optional<std::string> zellen(const Paradigma& p) {
    for (const Pruefung& pr : pruefungen(p)) {
        if (!hatPlatz(p, pr.zelle)) continue;
        const auto formen = p.formenIn(pr.zelle);
        if (formen.empty() || spalteLeer(p, pr.zelle)) return passtNicht(p, pr, "keine Form");
        const auto gefunden = std::find_if(formen.begin(), formen.end(), [&](const Form* f) {
            return !leer(*f) && passt(pr, *f);
        });
        if (gefunden != formen.end()) continue;
        const auto erste =
            std::find_if(formen.begin(), formen.end(), [](const Form* f) { return !leer(*f); });
        if (erste == formen.end()) continue; // the rules' own gap: vis has no genitive
        return passtNicht(p, pr, zitat(gedruckt(**erste)));
    }
    return std::nullopt;
}

std::string keineFormen(const Paradigma& p) {
    std::string text;
    for (const auto& s : p.stichwoerter)
        if (s.zelle) text += (text.empty() ? "" : ", ") + zitat(s.wort);
    return text + ": dazu bildet das Programm keine Formen" + schluss(p);
}

// The word the commands form from the dictionary forms `s` in place of the typed forms of
// `p`; nothing where the command refuses them.
std::optional<engine::Wort> neuGebildet(const Paradigma& p, const std::vector<Stichwort>& s) {
    Eingabe e = analysis::eingabe(p);
    e.antworten.clear();
    for (const Stichwort& w : s)
        e.antworten.push_back(w.wort);
    auto wort = engine::bilde(e);
    if (!wort) return std::nullopt;
    return std::move(*wort);
}

// The page captioned `knopf` of the word; nothing where its command refuses it.
const Paradigma* seiteVon(const engine::Wort& w, std::string_view knopf) {
    if (w.seite->seite == knopf) return w.seite.get();
    for (std::size_t i = 0; i < w.zeitseiten.size(); ++i)
        if (verbs::seitenKnoepfe[i] == knopf && w.zeitseiten[i]) return w.zeitseiten[i]->get();
    return nullptr;
}

// Whether two pages print the same, as the pupil reads them: heading, column heads, forms.
bool gleicheSeite(const Paradigma& a, const Paradigma& b) {
    const auto gelesen = [](const std::string& s) { return drill::normiert(s); };
    if (gelesen(a.ueberschrift) != gelesen(b.ueberschrift) || a.bloecke.size() != b.bloecke.size())
        return false;
    for (std::size_t i = 0; i < a.bloecke.size(); ++i) {
        const auto& x = a.bloecke[i].formen;
        const auto& y = b.bloecke[i].formen;
        if (a.bloecke[i].kopf != b.bloecke[i].kopf ||
            !std::equal(x.begin(), x.end(), y.begin(), y.end(), [&](const Form& f, const Form& g) {
                return gelesen(gedruckt(f)) == gelesen(gedruckt(g));
            }))
            return false;
    }
    return true;
}

std::string_view wasTippen(drill::Unsichtbar u) {
    switch (u) {
    case drill::Unsichtbar::laengenzeichen:
        return "ohne Längenzeichen tippen";
    case drill::Unsichtbar::kuerzezeichen:
        return "ohne Kürzezeichen tippen";
    case drill::Unsichtbar::akzent:
        return "ohne Akzente tippen";
    case drill::Unsichtbar::blankAmRand:
        return "Leerzeichen am Rand weglassen";
    case drill::Unsichtbar::blanks:
        return "nur ein Leerzeichen tippen";
    case drill::Unsichtbar::zeichen:
    case drill::Unsichtbar::nichts:
        break;
    }
    return "unsichtbares Zeichen löschen";
}

// When a vowel mark, a blank or an invisible character made the rules read a typed form
// otherwise than the pupil sees it: the form, what to type, and what that gives.
std::optional<std::string> ursache(const Paradigma& p) {
    std::vector<Stichwort> sauber = p.stichwoerter;
    std::vector<std::size_t> anders;
    for (std::size_t i = 0; i < sauber.size(); ++i) {
        sauber[i].wort = drill::bereinigt(sauber[i].wort);
        if (sauber[i].wort != p.stichwoerter[i].wort) anders.push_back(i);
    }
    if (anders.empty()) return std::nullopt;
    // Forming a huge word's pages again would only stall the line (zuLang names it first).
    if (std::ranges::any_of(p.stichwoerter, [](const Stichwort& w) {
            return text::letterCount(w.wort) > laengstesWort;
        }))
        return std::nullopt;
    // Whether the rules read `s` into another page than the typed forms; after "VERBUM",
    // into another verb: one of its tense pages differs.
    const auto vorher = neuGebildet(p, p.stichwoerter);
    const auto aendert = [&p, &vorher](const std::vector<Stichwort>& s) {
        const auto nachher = neuGebildet(p, s);
        const Paradigma* q = nachher ? seiteVon(*nachher, p.seite) : nullptr;
        if (!q || !gleicheSeite(p, *q)) return true;
        if (p.seite != "VERBUM" || !vorher) return false;
        return std::ranges::any_of(verbs::seitenKnoepfe, [&](std::string_view knopf) {
            const Paradigma* a = seiteVon(*vorher, knopf);
            const Paradigma* b = seiteVon(*nachher, knopf);
            return (a == nullptr) != (b == nullptr) || (a && !gleicheSeite(*a, *b));
        });
    };
    if (!aendert(sauber)) return std::nullopt;
    const auto gebildet = neuGebildet(p, sauber);
    const Paradigma* q = gebildet ? seiteVon(*gebildet, p.seite) : nullptr;
    // Name the form whose cleaning alone changes the page, else the first one cleaned.
    std::size_t schuld = anders.front();
    for (const std::size_t i : anders) {
        std::vector<Stichwort> einzeln = p.stichwoerter;
        einzeln[i].wort = sauber[i].wort;
        if (aendert(einzeln)) {
            schuld = i;
            break;
        }
    }
    const std::string& typed = p.stichwoerter[schuld].wort;
    std::string text = zitat(typed) + ": " + std::string(wasTippen(drill::unsichtbar(typed))) +
                       " – " + zitat(sauber[schuld].wort) + " ";
    if (!q) return text + "hat hier keine Formen.";
    text += "gibt ";
    if (q->klasse != p.klasse && !klassenname(*q).empty())
        return text + "die " + klassenname(*q) + ".";
    return text + (zellen(*q) ? "andere Formen." : "die richtigen Formen.");
}

// A participle typed as textbooks list the supine (laudatum): the prompt asks for -us.
std::optional<std::string> partizip(const Paradigma& p) {
    if (p.wortart != grammar::Wortart::verbum || istDeponens(p) || p.stichwoerter.size() < 4 ||
        (p.seite != "VERBUM" && p.seite != verbs::seitenKnoepfe[3]))
        return std::nullopt;
    const std::string& typed = p.stichwoerter[3].wort;
    const std::string sauber = drill::bereinigt(typed);
    const std::string klein = drill::normiert(typed);
    if (klein.empty() || text::endsWith(klein, "us")) return std::nullopt;
    std::string text = zitat(typed) + ": gefragt ist das Partizip auf -us";
    if (text::endsWith(klein, "um")) text += ", also " + zitat(text::lessOrEmpty(sauber, 2) + "us");
    return text + (text::endsWith(klein, "um") ? " (nicht das Supinum)." : ".");
}

// A form longer than any Latin word: pasted text or a finger on a key. The rules form it,
// but it joins no lesson unless the pupil adds it on purpose.
std::optional<std::string> zuLang(const Paradigma& p) {
    for (const auto& s : p.stichwoerter)
        if (text::letterCount(s.wort) > laengstesWort)
            return zitat(s.wort) + ": so lang ist kein lateinisches Wort.";
    return std::nullopt;
}

// All the dictionary forms typed into one prompt ("amo, amare, amavi"): each prompt takes one.
std::optional<std::string> mehrereFormen(const Paradigma& p) {
    for (const auto& s : p.stichwoerter)
        if (s.wort.find(',') != std::string::npos)
            return zitat(s.wort) + ": nur eine Form je Eingabe tippen.";
    return std::nullopt;
}

// An infinitive from which the rules found no class: every tense page will say only
// "Keine Formen vorhanden".
std::optional<std::string> keineKlasse(const Paradigma& p) {
    if (p.wortart != grammar::Wortart::verbum || p.seite != "VERBUM" || p.klasse != "VERBUM" ||
        p.stichwoerter.size() < 2)
        return std::nullopt;
    const std::string& praesens = p.stichwoerter[0].wort;
    if (praesens == "sum" || verbs::istVoloNoloMalo(praesens)) return std::nullopt;
    const std::string& infinitiv = p.stichwoerter[1].wort;
    return (infinitiv.empty() ? std::string("Kein Infinitiv getippt")
                              : zitat(infinitiv) + ": keine Konjugation") +
           " – das Programm kennt " +
           (istDeponens(p) ? "Infinitive auf -ari, -eri, -iri, -i."
                           : "Infinitive auf -are, -ere, -ire.");
}

// A nominative and genitive that real Latin almost never pairs (amicus, amicis: a slip of
// the ending), with the genitive such a nominative usually has.
std::optional<std::string> seltenesPaar(const Paradigma& p) {
    if (p.wortart != grammar::Wortart::substantiv || p.stichwoerter.size() < 2) return std::nullopt;
    const std::string n = drill::normiert(p.stichwoerter[0].wort);
    const std::string g = drill::normiert(p.stichwoerter[1].wort);
    if (n.empty() || g.empty()) return std::nullopt;
    const auto nom = [&n](std::initializer_list<std::string_view> endungen) {
        return std::any_of(endungen.begin(), endungen.end(),
                           [&n](std::string_view e) { return text::endsWith(n, e); });
    };
    const auto gen = [&g](std::string_view e) { return text::endsWith(g, e); };
    const auto ohne = [&n](std::size_t k) { return text::lessOrEmpty(n, k); };
    bool ueblich = true;
    if (gen("arum"))
        ueblich = nom({"ae"});
    else if (gen("orum"))
        ueblich = nom({"i", "a", "es"}); // liberi, arma; maiores, maiorum
    else if (gen("uum"))
        ueblich = nom({"us", "ua"});
    else if (gen("erum"))
        ueblich = nom({"es"});
    else if (gen("um"))
        ueblich = nom({"es", "a", "is"});
    else if (gen("ae"))
        ueblich = nom({"a", "e", "es", "as"});
    else if (gen("i"))
        ueblich = nom({"us", "um", "er", "ir", "ur", "os", "on", "es"});
    else if (gen("us"))
        ueblich = nom({"us", "u", "o"}); // Greek: Sappho, Sapphus
    else if (gen("is"))
        ueblich =
            !((nom({"us", "um"}) && g == ohne(2) + "is") || (nom({"a"}) && g == ohne(1) + "is"));
    if (ueblich) return std::nullopt;

    const std::string sauber = drill::bereinigt(p.stichwoerter[0].wort);
    const auto stamm = [&sauber](std::size_t k) { return text::lessOrEmpty(sauber, k); };
    std::string meist;
    if (nom({"us"}))
        meist = zitat(stamm(2) + "i") + " oder " + zitat(sauber);
    else if (nom({"um"}))
        meist = zitat(stamm(2) + "i");
    else if (nom({"a"}))
        meist = zitat(stamm(1) + "ae");
    else if (nom({"es"}))
        meist = zitat(stamm(2) + "ei") + " oder " + zitat(stamm(2) + "is");
    else if (nom({"er"}))
        meist = zitat(sauber + "i") + " oder " + zitat(stamm(2) + "ri");
    else if (nom({"is"}))
        meist = zitat(sauber);
    else if (nom({"u"}))
        meist = zitat(sauber + "s");
    else
        meist = "auf -is";
    return "Zu " + zitat(sauber) + " ist " + zitat(p.stichwoerter[1].wort) + " selten – meist " +
           meist + ".";
}

} // namespace

std::optional<std::string> warnung(const Paradigma& p) {
    if (auto m = mehrereFormen(p)) return m;
    if (auto l = zuLang(p)) return l;
    if (auto u = ursache(p)) return u;
    if (p.seite == "VERBUM") {
        if (auto k = keineKlasse(p)) return k;
        return partizip(p);
    }
    if (!p.hatFormen()) {
        const bool getippt = std::any_of(p.stichwoerter.begin(), p.stichwoerter.end(),
                                         [](const auto& s) { return s.zelle.has_value(); });
        if (getippt) return keineFormen(p);
        return std::nullopt;
    }
    if (auto w = partizip(p)) return w;
    if (auto w = seltenesPaar(p)) return w;
    return zellen(p);
}

std::string text(const Seiten& seiten) {
    const Paradigma* p = seiten.zuletzt();
    if (!p) return {};
    if (auto w = warnung(*p)) return std::move(*w);
    return p->hatFormen() ? std::string(tipp) : std::string();
}

} // namespace latiflex::hinweis
