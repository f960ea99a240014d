#include "shell/lektionen.h"

namespace latiflex {

struct Lektionen::Impl {};

Lektionen::Lektionen(Form1& form, std::filesystem::path datei)
    : impl_(std::make_unique<Impl>()), form_(form), db_(std::move(datei)) {}
Lektionen::~Lektionen() = default;

std::filesystem::path Lektionen::standardDatei() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::filesystem::path ordner;
    if (xdg && std::filesystem::path(xdg).is_absolute()) {
        ordner = xdg;
    } else {
        const char* home = std::getenv("HOME");
        ordner = std::filesystem::path(home ? home : ".") / ".local" / "share";
    }
    return ordner / "latiflex" / "lektionen.sqlite";
}

lektionen::Datum Lektionen::heute() const { return heute_ ? *heute_ : lektionen::heute(); }
std::optional<std::string> Lektionen::meldung() { return db_.meldung(); }
std::vector<lektionen::Lektion> Lektionen::lektionen() { return db_.lektionen(); }
std::optional<Lektionen::LektionId> Lektionen::aktuelle() { return db_.aktuelleLektion(); }
std::string Lektionen::aktuellerName() { return std::string(lektionen::ersteLektion); }
bool Lektionen::setAktuelle(LektionId l) { return db_.setAktuelleLektion(l); }
std::optional<Lektionen::LektionId> Lektionen::anlegen(std::string_view n) {
    return db_.anlegen(n);
}
bool Lektionen::umbenennen(LektionId l, std::string_view n) { return db_.umbenennen(l, n); }
bool Lektionen::loeschen(LektionId l) { return db_.loeschen(l); }
std::vector<lektionen::Wort> Lektionen::woerter(LektionId l) { return db_.woerter(l); }
std::string Lektionen::woerterText(const Eingabe&) { return {}; }
std::optional<Lektionen::WortId> Lektionen::hinzufuegen(const Eingabe& e,
                                                        std::optional<LektionId> l) {
    return db_.hinzufuegen(e, l);
}
std::optional<Lektionen::WortId> Lektionen::aufSichtHinzufuegen(std::optional<LektionId>) {
    return {};
}
bool Lektionen::verschieben(WortId w, LektionId l) { return db_.verschieben(w, l); }
bool Lektionen::entfernen(WortId w) { return db_.entfernen(w); }
bool Lektionen::setImDrill(WortId w, bool d) { return db_.setImDrill(w, d); }
bool Lektionen::oeffnen(WortId) { return false; }
std::vector<Seiten::Zeiger> Lektionen::seiten(const Eingabe&) { return {}; }
int Lektionen::faellig() { return 0; }
std::string Lektionen::faelligText() { return "Heute fällig: " + std::to_string(faellig()); }
std::unique_ptr<drill::Uebung> Lektionen::uebung(Umfang, std::optional<LektionId>,
                                                 std::uint32_t seed) {
    return std::make_unique<drill::Uebung>(form_.seiten(), seed);
}
drill::Eingrenzung Lektionen::eingrenzung(LektionId) { return {}; }
bool Lektionen::setEingrenzung(LektionId, const drill::Eingrenzung&) { return false; }
std::vector<lektionen::Uebungstag> Lektionen::uebungstage(LektionId l) {
    return db_.uebungstage(l);
}
Lektionen::Import Lektionen::pruefen(const std::filesystem::path&) { return {}; }
Lektionen::Import Lektionen::pruefenText(std::string_view, std::string_view) { return {}; }
std::optional<Lektionen::LektionId> Lektionen::importieren(const Import&) { return {}; }
std::optional<int> Lektionen::exportieren(LektionId, const std::filesystem::path&) { return {}; }
std::string Lektionen::ankiText(LektionId) { return {}; }
std::string Lektionen::schluessel(const grammar::Paradigma&, std::size_t, std::size_t) {
    return {};
}

} // namespace latiflex
