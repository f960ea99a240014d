// The drill on any answers: the input's first line is a noun's two dictionary forms, the
// rest one answer a line, some of them kind, narrowing or restart steps. Every answer must
// get a verdict on an open question, the verdict and the question must be valid UTF-8, and
// a form must always count as equal to itself.
#include "drill/bezeichnungen.h"
#include "drill/uebung.h"
#include "drill/vergleich.h"
#include "grammar/text.h"
#include "nouns/deklination.h"
#include "require.h"
#include "session.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace latiflex;
    if (size < 2) return 0;
    std::string_view s(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto zeile = [&s] {
        const auto ende = std::min(s.find('\n'), s.size());
        const std::string_view z = s.substr(0, ende);
        s.remove_prefix(std::min(ende + 1, s.size()));
        return z;
    };
    const std::string_view wort = zeile();
    const auto blank = std::min(wort.find(' '), wort.size());

    Seiten seiten;
    seiten.zeige(nouns::paradigma("rosa", "rosae"));
    seiten.zeige(
        nouns::paradigma(wort.substr(0, blank), wort.substr(std::min(blank + 1, wort.size()))));
    drill::Uebung u(seiten, data[0]);
    u.setAuswahl(static_cast<drill::Auswahl>(data[0] % 3));
    u.naechsteFrage();
    while (!s.empty()) {
        const std::string_view antwort = zeile();
        if (antwort.starts_with("filter ")) {
            u.setEingrenzung(
                drill::eingrenzungAus(antwort.substr(7)).value_or(drill::Eingrenzung{}));
        } else if (antwort == "restart") {
            u.neuBeginnen();
        } else if (antwort.starts_with("kind ")) {
            u.setAuswahl(static_cast<drill::Auswahl>(antwort.size() % 3));
        } else {
            const bool offen = u.frage() != nullptr;
            const auto urteil = u.antworte(antwort);
            require(urteil.has_value() == offen);
            if (urteil) {
                require(text::isValidUtf8(urteil->text()) || !text::isValidUtf8(wort));
                require(drill::gleich(antwort, antwort));
            }
        }
        u.naechsteFrage();
        require(text::isValidUtf8(u.frageText()) || !text::isValidUtf8(wort));
    }
    require(u.richtig() <= u.gestellt());
    return 0;
}
