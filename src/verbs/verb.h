// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/abeins.h"
#include "grammar/paradigma.h"

#include <string>
#include <string_view>
#include <vector>

/// The verb as "VERBUM" enters it: a value formed once from the answers, which the four
/// tense commands only read.
namespace latiflex::verbs {

/// A table by person: 1 to 3 singular, 4 to 6 plural.
using Personen = grammar::AbEins<std::string_view, 6>;

inline constexpr Personen esse_praes{{"sum", "es", "est", "sumus", "estis", "sunt"}};
inline constexpr Personen esse_konj{{"sim", "sis", "sit", "simus", "sitis", "sint"}};
inline constexpr Personen esse_impf{{"eram", "eras", "erat", "eramus", "eratis", "erant"}};
inline constexpr Personen esse_impfkonj{
    {"essem", "esses", "esset", "essemus", "essetis", "essent"}};
inline constexpr Personen esse_fut{{"ero", "eris", "erit", "erimus", "eritis", "erunt"}};

/// Conjugation classes; `keine` when no rule fitted, and for "sum".
enum class Konjklasse { keine, a, e, konsonantisch, i, misch };

/// A and E conjugation: the future in -bo, -bis (amabo, monebo).
inline bool futurMitB(Konjklasse k) { return k == Konjklasse::a || k == Konjklasse::e; }

/// Consonant, I and mixed conjugation: the future in -am, -es (legam, audiam, capiam).
inline bool futurMitAundE(Konjklasse k) {
    return k == Konjklasse::konsonantisch || k == Konjklasse::i || k == Konjklasse::misch;
}

/// The imperfect from the infinitive with -ba- (amabam, monebam, legebam); the I and mixed
/// conjugation take the 1st singular with -eba- (audiebam, capiebam).
inline bool imperfektAusInfinitiv(Konjklasse k) {
    return k != Konjklasse::i && k != Konjklasse::misch;
}

/// The principal parts: 1 the 1st singular present, 2 the infinitive, 3 the 1st singular
/// perfect (empty for a deponent), 4 the perfect participle, or a deponent's perfect (empty
/// for "sum").
using Stammformen = grammar::AbEins<std::string, 4>;

/// Whether a 1st singular present in -r makes the verb a deponent (hortor).
inline bool istDeponens(std::string_view praesens) { return praesens.ends_with("r"); }

/// "sum", whose pages are the tables of *esse*.
inline bool istSum(std::string_view p) { return p == "sum"; }

/// "volo", "nolo" and "malo", which have stems of their own (exactly so, lower case).
inline bool istVoloNoloMalo(std::string_view p) {
    return p == "volo" || p == "nolo" || p == "malo";
}

/// A verb entered completely, with every rewrite the tense pages need decided once.
struct Verb {
    /// The principal parts as the pupil typed them.
    Stammformen eingegeben;
    /// The principal parts as the tense pages read them: a deponent's 1 and 2 in the shape
    /// of an active verb (hortor, hortari: horto, hortare), its perfect cut at its first
    /// blank (hortatus sum: hortatus).
    Stammformen stammformen;
    /// The class as the heading names it; empty when no rule fitted.
    std::string konjname;
    /// The class the tenses are formed by: volo, nolo and malo form their future like the
    /// consonant conjugation (volam, voles), whatever their infinitive said.
    Konjklasse konjklasse = Konjklasse::keine;
    bool deponens = false;
    bool istsum = false;
};

/// The verb of the typed principal parts: deponent or not, "sum" or not, its class and the
/// rewrites. Pure: the same answers always give the same verb.
Verb verb(const Stammformen& eingegeben);

/// The heading "VERBUM" prints: "   VERBUM der A - Konjugation ".
std::string ueberschrift(const Verb& v);

/// The class alone: "A - Konjugation"; empty without a class.
std::string klassenname(const Verb& v);

/// The class as a page names it: "VERBUM der A - Konjugation", or "VERBUM" without a class.
std::string klasse(const Verb& v);

/// The principal parts as typed, each with the cell it names on the tense pages: the present
/// (a deponent's passive), the perfect (a deponent's passive); the infinitive and an active
/// verb's participle name none.
std::vector<grammar::Stichwort> stichwoerter(const Verb& v);

/// The page "VERBUM" prints: the heading alone, no forms, and the principal parts as typed.
grammar::Paradigma kopfseite(const Verb& v);

} // namespace latiflex::verbs
