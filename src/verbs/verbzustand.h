#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

/// The verb as "VERBUM" leaves it for the four tense commands.
namespace latiflex::verbs {

/// A table by person: index 1 to 3 singular, 4 to 6 plural; index 0 is never used.
using Personen = std::array<std::string_view, 7>;

inline constexpr Personen esse_praes{"", "sum", "es", "est", "sumus", "estis", "sunt"};
inline constexpr Personen esse_konj{"", "sim", "sis", "sit", "simus", "sitis", "sint"};
inline constexpr Personen esse_impf{"", "eram", "eras", "erat", "eramus", "eratis", "erant"};
inline constexpr Personen esse_impfkonj{"",        "essem",   "esses", "esset",
                                        "essemus", "essetis", "essent"};
inline constexpr Personen esse_fut{"", "ero", "eris", "erit", "erimus", "eritis", "erunt"};

/// Conjugation classes; `keine` when no rule of "VERBUM" fitted, and for "sum".
enum Konjklasse : int { keine = 0, a = 1, e = 2, konsonantisch = 3, i = 4, misch = 5 };

struct VerbZustand {
    /// The principal parts as entered: 1 the 1st singular present, 2 the infinitive,
    /// 3 the 1st singular perfect, 4 the participle (a deponent's perfect). Index 0 unused.
    std::array<std::string, 5> stammformen;
    std::string konjname;
    int konjklasse = keine;
    bool deponens = false;
    bool istsum = false;
    /// 1 once a verb is entered completely, 0 again after a noun or an adjective.
    std::int16_t verbgewaehlt = 0;
};

/// "volo", "nolo" and "malo", which have stems of their own (exactly so, lower case).
inline bool istVoloNoloMalo(std::string_view p) {
    return p == "volo" || p == "nolo" || p == "malo";
}

} // namespace latiflex::verbs
