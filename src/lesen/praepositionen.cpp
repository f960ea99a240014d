#include "lesen/praepositionen.h"

#include "drill/vergleich.h"

#include <array>

namespace latiflex::lesen {

namespace {

using grammar::Kasus;

constexpr std::string_view mitAkk = "Präposition mit Akkusativ";
constexpr std::string_view mitAbl = "Präposition mit Ablativ";
constexpr std::string_view mitBeiden = "Präposition mit Akkusativ oder Ablativ";

struct Zeile {
    std::string_view form;
    std::string_view klasse;
    std::string_view bedeutung;
};

// The prepositions a school grammar lists, with their commonest
// German meanings.
constexpr std::array<Zeile, 40> tabelle{{
    {"a", mitAbl, "von, von ... her"},
    {"ab", mitAbl, "von, von ... her"},
    {"abs", mitAbl, "von, von ... her"},
    {"e", mitAbl, "aus, von ... her"},
    {"ex", mitAbl, "aus, von ... her"},
    {"de", mitAbl, "von, von ... herab; über"},
    {"cum", mitAbl, "mit, zusammen mit"},
    {"sine", mitAbl, "ohne"},
    {"pro", mitAbl, "vor; für; anstatt"},
    {"prae", mitAbl, "vor"},
    {"coram", mitAbl, "in Gegenwart von"},
    {"tenus", mitAbl, "bis an"},
    {"ad", mitAkk, "zu, an, bei"},
    {"ante", mitAkk, "vor"},
    {"apud", mitAkk, "bei"},
    {"circum", mitAkk, "um ... herum"},
    {"circa", mitAkk, "um ... herum; ungefähr"},
    {"contra", mitAkk, "gegen"},
    {"erga", mitAkk, "gegenüber"},
    {"extra", mitAkk, "außerhalb"},
    {"infra", mitAkk, "unterhalb"},
    {"inter", mitAkk, "zwischen, unter"},
    {"intra", mitAkk, "innerhalb"},
    {"iuxta", mitAkk, "neben"},
    {"ob", mitAkk, "wegen"},
    {"per", mitAkk, "durch"},
    {"post", mitAkk, "nach, hinter"},
    {"praeter", mitAkk, "außer; an ... vorbei"},
    {"prope", mitAkk, "nahe bei"},
    {"propter", mitAkk, "wegen"},
    {"secundum", mitAkk, "entlang; gemäß"},
    {"supra", mitAkk, "oberhalb, über"},
    {"trans", mitAkk, "über ... hinüber, jenseits"},
    {"ultra", mitAkk, "jenseits"},
    {"adversus", mitAkk, "gegen"},
    {"penes", mitAkk, "bei, in der Gewalt von"},
    {"in", mitBeiden, "in, nach, gegen (Akk.); in, an, auf (Abl.)"},
    {"sub", mitBeiden, "unter (Akk. wohin?, Abl. wo?)"},
    {"super", mitBeiden, "über, auf"},
    {"subter", mitBeiden, "unter"},
}};

} // namespace

std::vector<grammar::Kasus> rektion(std::string_view klasse) {
    if (klasse == mitBeiden) return {Kasus::akkusativ, Kasus::ablativ};
    if (klasse == mitAkk) return {Kasus::akkusativ};
    if (klasse == mitAbl) return {Kasus::ablativ};
    return {};
}

std::optional<Praeposition> praeposition(std::string_view form) {
    const std::string n = drill::normiert(form);
    for (const auto& z : tabelle)
        if (z.form == n) return Praeposition{z.form, rektion(z.klasse), z.klasse, z.bedeutung};
    return std::nullopt;
}

} // namespace latiflex::lesen
