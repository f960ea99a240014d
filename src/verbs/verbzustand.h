#pragma once

#include "grammar/abeins.h"

#include <cstdint>
#include <string>
#include <string_view>

/// The verb as "VERBUM" leaves it for the four tense commands, which only read it.
namespace latiflex::verbs {

/// A table by person: 1 to 3 singular, 4 to 6 plural.
using Personen = grammar::AbEins<std::string_view, 6>;

inline constexpr Personen esse_praes{{"sum", "es", "est", "sumus", "estis", "sunt"}};
inline constexpr Personen esse_konj{{"sim", "sis", "sit", "simus", "sitis", "sint"}};
inline constexpr Personen esse_impf{{"eram", "eras", "erat", "eramus", "eratis", "erant"}};
inline constexpr Personen esse_impfkonj{
    {"essem", "esses", "esset", "essemus", "essetis", "essent"}};
inline constexpr Personen esse_fut{{"ero", "eris", "erit", "erimus", "eritis", "erunt"}};

/// Conjugation classes; `keine` when no rule of "VERBUM" fitted, and for "sum".
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

/// Whether a verb has been entered completely since the last noun or adjective.
enum class VerbGewaehlt : std::int16_t { nein = 0, ja = 1 };

struct VerbZustand {
    /// The principal parts as the tense commands read them: 1 the 1st singular present,
    /// 2 the infinitive, 3 the 1st singular perfect, 4 the participle (a deponent's perfect,
    /// cut at its first blank). A deponent's 1 and 2 are rewritten into an active verb's shape.
    grammar::AbEins<std::string, 4> stammformen;
    /// The same answers as the pupil typed them.
    grammar::AbEins<std::string, 4> eingegeben;
    std::string konjname;
    Konjklasse konjklasse = Konjklasse::keine;
    bool deponens = false;
    bool istsum = false;
    VerbGewaehlt verbgewaehlt = VerbGewaehlt::nein;
};

/// "volo", "nolo" and "malo", which have stems of their own (exactly so, lower case).
inline bool istVoloNoloMalo(std::string_view p) {
    return p == "volo" || p == "nolo" || p == "malo";
}

} // namespace latiflex::verbs
