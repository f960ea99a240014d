#include "nouns/deklination.h"

#include "grammar/text.h"

namespace latiflex::nouns {

namespace {

using Tabelle = std::array<std::string_view, 12>;

// Endings of rows 1 to 12: singular, then plural, each nominative, genitive, dative,
// accusative, vocative, ablative.
constexpr Tabelle tabelleA{"a", "ae", "ae", "am", "a", "a", "ae", "arum", "is", "as", "ae", "is"};
constexpr Tabelle tabelleOUs{"us", "i", "o", "um", "e", "o", "i", "orum", "is", "os", "i", "is"};
constexpr Tabelle tabelleOR{"er", "i", "o", "um", "er", "o", "i", "orum", "is", "os", "i", "is"};
constexpr Tabelle tabelleOUm{"um", "i", "o", "um", "um", "o", "a", "orum", "is", "a", "a", "is"};
constexpr Tabelle tabelleE{"s", "i", "i", "m", "s", "e", "s", "rum", "bus", "s", "s", "bus"};
constexpr Tabelle tabelleU{"us", "us",  "ui",   "um", "us", "u",
                           "us", "uum", "ibus", "us", "us", "ibus"};
constexpr Tabelle tabelleUn{"u", "us", "u", "u", "u", "u", "ua", "uum", "ibus", "ua", "ua", "ibus"};
constexpr Tabelle tabelleIn{"e", "is", "i", "e", "e", "i", "ia", "ium", "ibus", "ia", "ia", "ibus"};
constexpr Tabelle tabelleIf{"is", "is",  "i",    "im", "is", "i",
                            "es", "ium", "ibus", "es", "es", "ibus"};
constexpr Tabelle tabelleK{"", "is", "i", "em", "", "e", "es", "um", "ibus", "es", "es", "ibus"};
constexpr Tabelle tabelleKn{"", "is", "i", "", "", "e", "a", "um", "ibus", "a", "a", "ibus"};

const Tabelle& tabelleFuer(Typ typ, bool neutrum) {
    switch (typ) {
    case Typ::In:
        return tabelleIn;
    case Typ::A:
        return tabelleA;
    case Typ::OUs:
        return tabelleOUs;
    case Typ::OR:
        return tabelleOR;
    case Typ::OUm:
        return tabelleOUm;
    case Typ::E:
        return tabelleE;
    case Typ::U:
        return tabelleU;
    case Typ::Un:
        return tabelleUn;
    case Typ::If:
        return tabelleIf;
    case Typ::K:
        break;
    }
    return neutrum ? tabelleKn : tabelleK;
}

bool istNominativOderVokativ(int zeile) { return zeile == 1 || zeile == 5; }

} // namespace

Paradigma::Paradigma(std::string_view n, std::string_view g, Typ typ, KMarken marken)
    : n_(n), g_(g), typ_(typ), marken_(marken) {
    const Tabelle& quelle = tabelleFuer(typ, marken.neutrum);
    for (std::size_t i = 0; i < quelle.size(); ++i)
        tabelle_[i + 1] = quelle[i];
}

bool Paradigma::hatPlural() const { return !(typ_ == Typ::K && g_ == "Iovis"); }

std::optional<Wortform> Paradigma::form(int zeile) {
    using text::less;
    std::optional<std::string_view> stamm;
    std::string& zelle = tabelle_[static_cast<std::size_t>(zeile)];

    switch (typ_) {
    case Typ::A:
        stamm = less(n_, 1);
        break;
    case Typ::OUs:
        stamm = less(n_, 2);
        if (zeile == 5 && text::endsWith(n_, "ius")) { // filius: fili
            stamm = less(n_, 3);
            zelle = "i";
        }
        break;
    case Typ::OR:
        if (text::letterCount(n_) != text::letterCount(g_)) {
            stamm = n_; // puer, pueri: the nominative is the stem throughout
            nomstamm_ = true;
        } else {
            stamm = less(g_, 1);
        }
        if (istNominativOderVokativ(zeile)) {
            stamm = less(n_, 2);
            if (!stamm) return std::nullopt;
            if (nomstamm_) {
                stamm = n_;
                zelle.clear();
            }
        }
        break;
    case Typ::OUm:
    case Typ::U:
        stamm = less(n_, 2);
        break;
    case Typ::E:
        stamm = less(n_, zeile == 6 ? 2 : 1);
        break;
    case Typ::Un:
        stamm = less(n_, 1);
        break;
    case Typ::In:
        stamm = less(g_, 2);
        if (!stamm) return std::nullopt;
        if (zeile == 1 || zeile == 4 || zeile == 5) zelle.clear();
        if (zeile == 4 || zeile == 5 || (zeile == 1 && text::endsWith(n_, "e"))) stamm = n_;
        break;
    case Typ::If:
        stamm = less(n_, 2);
        if (n_ == "vis") { // vis, -, -, vim, vis, vi; vires, virium, ...
            if (zeile == 2 || zeile == 3) {
                stamm = "";
                zelle.clear();
            } else if (zeile >= 7) {
                stamm = "vir";
            }
        }
        break;
    case Typ::K:
        stamm = less(g_, 2);
        if (!stamm) return std::nullopt;
        if (marken_.neutrum) {
            if (zeile == 1 || zeile == 4 || zeile == 5) stamm = n_;
            break;
        }
        if (marken_.istamm != 0) tabelle_[8] = "ium";
        if (n_ == "iuvenis" || n_ == "sedes") tabelle_[8] = "um";
        if (istNominativOderVokativ(zeile)) {
            stamm = n_;
            if (marken_.istamm == 1) { // urbs: urb+s
                stamm = less(n_, 1);
                zelle = text::lastLetters(n_, 1);
            } else if (marken_.istamm == 2) { // civis: civ+is
                stamm = less(n_, 2);
                zelle = text::lastLetters(n_, 2);
            }
        }
        break;
    }
    if (!stamm) return std::nullopt;
    return Wortform{std::string(*stamm), zelle};
}

} // namespace latiflex::nouns
