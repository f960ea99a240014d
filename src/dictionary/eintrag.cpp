// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/eintrag.h"

#include "grammar/text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace latiflex::woerterbuch {

namespace {

// The text without its pronunciations, which stand between slashes (a slash inside a tag,
// "<n, sg, m/f>", is the tag's).
std::string ohneAussprache(std::string_view zeile) {
    std::string s;
    bool aussprache = false;
    bool marke = false;
    for (const char c : zeile) {
        if (c == '/' && !marke) {
            aussprache = !aussprache;
            continue;
        }
        if (aussprache) continue;
        marke = (marke || c == '<') && c != '>';
        s += c;
    }
    return s;
}

std::string gekuerzt(std::string_view s) { return std::string(text::trimmed(s)); }

// The parts of a text between `trenner`, each without outer blanks.
std::vector<std::string> teile(std::string_view s, char trenner) {
    std::vector<std::string> t;
    for (std::size_t von = 0;;) {
        const auto bis = s.find(trenner, von);
        t.push_back(gekuerzt(s.substr(von, bis - von)));
        if (bis == std::string_view::npos) return t;
        von = bis + 1;
    }
}

// The tags of a line ("<n, sg, m>") as their items, and the line without them.
std::pair<std::string, std::vector<std::string>> ohneMarken(std::string_view s) {
    std::string rest;
    std::vector<std::string> marken;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '<') {
            rest += s[i];
            continue;
        }
        const auto ende = s.find('>', i);
        if (ende == std::string_view::npos) break;
        for (auto& m : teile(s.substr(i + 1, ende - i - 1), ','))
            if (!m.empty()) marken.push_back(std::move(m));
        i = ende;
    }
    return {rest, marken};
}

// The value a tag names in `tabelle`, if any.
template <typename T, std::size_t n>
std::optional<T> nachMarke(const std::array<std::pair<std::string_view, T>, n>& tabelle,
                           std::string_view marke) {
    for (const auto& [m, wert] : tabelle)
        if (m == marke) return wert;
    return std::nullopt;
}

constexpr std::array<std::pair<std::string_view, Formart>, 6> formarten{{
    {"gen", Formart::genitiv},
    {"dat", Formart::dativ},
    {"akk", Formart::akkusativ},
    {"abl", Formart::ablativ},
    {"f", Formart::femininum},
    {"n", Formart::neutrum},
}};

constexpr std::array<std::pair<std::string_view, Wortart>, 9> wortarten{{
    {"n", Wortart::substantiv},
    {"adj", Wortart::adjektiv},
    {"v", Wortart::verb},
    {"adv", Wortart::adverb},
    {"prep", Wortart::praeposition},
    {"conj", Wortart::konjunktion},
    {"pron", Wortart::pronomen},
    {"num", Wortart::numerale},
    {"int", Wortart::interjektion},
}};

Genus mitGenus(Genus bisher, Genus neu) {
    if (bisher == Genus::keins || bisher == neu) return neu;
    return Genus::utrum;
}

// The tags of the word class: "n" first is the noun, later the neuter ("<n, sg, n>",
// "<pron, n>"); "sg"/"pl" the number; "m", "f", "n", "m/f" the gender.
void markenLesen(const std::vector<std::string>& marken, Eintrag& e) {
    for (std::size_t i = 0; i < marken.size(); ++i) {
        const std::string& m = marken[i];
        if (const auto art = nachMarke(wortarten, m);
            art && e.wortart == Wortart::unbekannt && (m != "n" || i == 0)) {
            e.wortart = *art;
        } else if (m == "pl") {
            e.plural = true;
        } else if (m == "m" || m == "mm") {
            e.genus = mitGenus(e.genus, Genus::maskulinum);
        } else if (m == "f") {
            e.genus = mitGenus(e.genus, Genus::femininum);
        } else if (m == "n") {
            e.genus = mitGenus(e.genus, Genus::neutrum);
        } else if (m == "m/f") {
            e.genus = Genus::utrum;
        }
    }
}

// A verb's principal parts carry no tag: the first is the infinitive, then a form in -i
// is the perfect and one in -um the supine.
Formart stammform(std::size_t stelle, std::string_view form) {
    if (stelle == 0) return Formart::infinitiv;
    if (text::endsWith(form, "um") || text::endsWith(form, "us")) return Formart::supinum;
    return Formart::perfekt;
}

void formenLesen(std::string_view klammer, Eintrag& e) {
    std::size_t stelle = 0;
    for (const auto& teil : teile(klammer, ',')) {
        auto [text, marken] = ohneMarken(teil);
        Form f{gekuerzt(text), Formart::unbestimmt};
        if (f.text.empty()) continue;
        if (!marken.empty())
            f.art = nachMarke(formarten, marken.front()).value_or(Formart::unbestimmt);
        else if (e.wortart == Wortart::verb)
            f.art = stammform(stelle, f.text);
        ++stelle;
        e.formen.push_back(std::move(f));
    }
}

void kopfLesen(std::string_view zeile, Eintrag& e) {
    const std::string s = ohneAussprache(zeile);
    const auto auf = s.find('(');
    const auto zu = auf == std::string::npos ? std::string::npos : s.find(')', auf);
    const bool klammer = zu != std::string::npos;
    // The class's tags stand outside the parentheses, mostly after them.
    const std::string aussen = klammer ? s.substr(0, auf) + s.substr(zu + 1) : s;
    auto [ohne, marken] = ohneMarken(aussen);
    markenLesen(marken, e);
    e.stichwort = gekuerzt(ohneMarken(klammer ? s.substr(0, auf) : s).first);
    if (klammer) formenLesen(std::string_view(s).substr(auf + 1, zu - auf - 1), e);
    if (e.wortart == Wortart::unbekannt && e.stichwort.find(' ') != std::string::npos)
        e.wortart = Wortart::wendung;
}

// "2. Nordafrikaner" is the sense "Nordafrikaner".
std::string_view ohneNummer(std::string_view zeile) {
    std::size_t i = 0;
    while (i < zeile.size() && zeile[i] >= '0' && zeile[i] <= '9')
        ++i;
    if (i > 0 && i + 1 < zeile.size() && zeile[i] == '.' && zeile[i + 1] == ' ')
        return text::trimmed(zeile.substr(i + 2));
    return zeile;
}

void siehe(std::string_view zeile, Eintrag& e) {
    for (std::size_t i = zeile.find('{'); i != std::string_view::npos; i = zeile.find('{', i + 1)) {
        const auto ende = zeile.find('}', i);
        if (ende == std::string_view::npos) return;
        e.siehe.emplace_back(zeile.substr(i + 1, ende - i - 1));
    }
}

void zeileLesen(std::string_view roh, Eintrag& e) {
    const std::string_view zeile = text::trimmed(roh);
    if (zeile.empty()) return;
    if (zeile.starts_with("See also:")) {
        siehe(zeile, e);
    } else if (zeile.front() == '(' && zeile.back() == ')' && zeile.find(')') == zeile.size() - 1) {
        e.anmerkungen.emplace_back(zeile);
    } else if (const auto sinn = ohneNummer(zeile); !sinn.empty()) {
        e.bedeutungen.emplace_back(sinn);
    }
}

} // namespace

std::optional<std::string> Eintrag::form(Formart art) const {
    const auto f =
        std::find_if(formen.begin(), formen.end(), [art](const Form& x) { return x.art == art; });
    if (f == formen.end()) return std::nullopt;
    return f->text;
}

std::string Eintrag::bedeutungText() const {
    std::string s;
    for (const auto& b : bedeutungen) {
        if (!s.empty()) s += "; ";
        s += b;
    }
    return s;
}

Eintrag lesen(std::string_view text) {
    Eintrag e;
    while (!text.empty() && text.front() == '\n')
        text.remove_prefix(1);
    const auto ende = text.find('\n');
    kopfLesen(text.substr(0, ende), e);
    for (std::size_t von = ende; von != std::string_view::npos;) {
        const auto bis = text.find('\n', von + 1);
        zeileLesen(text.substr(von + 1, bis == std::string_view::npos ? bis : bis - von - 1), e);
        von = bis;
    }
    return e;
}

std::string_view name(Wortart wortart) {
    switch (wortart) {
    case Wortart::substantiv:
        return "Substantiv";
    case Wortart::adjektiv:
        return "Adjektiv";
    case Wortart::verb:
        return "Verb";
    case Wortart::adverb:
        return "Adverb";
    case Wortart::praeposition:
        return "Präposition";
    case Wortart::konjunktion:
        return "Konjunktion";
    case Wortart::pronomen:
        return "Pronomen";
    case Wortart::numerale:
        return "Zahlwort";
    case Wortart::interjektion:
        return "Interjektion";
    case Wortart::wendung:
        return "Wendung";
    case Wortart::unbekannt:
        break;
    }
    return "";
}

std::string_view kuerzel(Genus genus) {
    switch (genus) {
    case Genus::maskulinum:
        return "m.";
    case Genus::femininum:
        return "f.";
    case Genus::neutrum:
        return "n.";
    case Genus::utrum:
        return "m./f.";
    case Genus::keins:
        break;
    }
    return "";
}

} // namespace latiflex::woerterbuch
