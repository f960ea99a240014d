#pragma once

#include "grammar/wortform.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

/// Classifying a noun by its nominative and genitive singular, and forming its twelve
/// case forms: rows 1 to 6 nominative, genitive, dative, accusative, vocative, ablative of
/// the singular, rows 7 to 12 the same of the plural.
namespace latiflex::nouns {

/// The eleven paradigms; K-n is type K with `neutrum` set.
enum class Typ { In, A, OUs, OR, OUm, E, U, Un, If, K };

struct Klasse {
    Typ typ;
    std::string_view deklname; ///< as the heading names it: "A", ..., "KONS./ MISCH."
    std::string_view kopfende; ///< what follows it in the heading, gender included
};

/// The paradigm of nominative `n` with genitive `g`, by the first rule that holds.
Klasse klassifizieren(std::string_view n, std::string_view g);

/// The heading line of a noun of this class.
std::string ueberschrift(const Klasse& klasse);

/// Marks that steer type K: neuter, and the i-stem (1: two consonants before the
/// genitive's ending, 2: nominative as long as the genitive).
struct KMarken {
    bool neutrum = false;
    int istamm = 0;
};

/// The marks of a type-K noun; nothing when the genitive has fewer than four letters.
std::optional<KMarken> kMarken(std::string_view n, std::string_view g);

/// Forms the rows of one noun in order. A row may change a cell of its endings table for
/// the rest of the run, as the per-word rules say; a new Paradigma starts from clean tables.
class Paradigma {
public:
    Paradigma(std::string_view n, std::string_view g, Typ typ, KMarken marken);

    /// Row `zeile` (1 to 12), formed after all rows before it; nothing when the word is
    /// too short for one of its cuts.
    std::optional<Wortform> form(int zeile);

    /// Whether the paradigm has a plural: Iovis (of Iuppiter) is printed in the singular only.
    bool hatPlural() const;

private:
    std::string_view n_, g_;
    Typ typ_;
    KMarken marken_;
    std::array<std::string, 13> tabelle_; // cells 1 to 12
    bool nomstamm_ = false;
};

} // namespace latiflex::nouns
