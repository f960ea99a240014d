// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/form1.h"

#include "adjectives/adjektiv.h"
#include "interfaces/number.h"
#include "interfaces/prompt.h"
#include "nouns/substantiv.h"
#include "shell/steuerelemente.h"
#include "verbs/verbum.h"
#include "verbs/zeitseite.h"

#include <functional>

namespace latiflex {

namespace {

constexpr std::string_view autor = "Dr.Erika Mustermann";
constexpr std::string_view email = "erika.mustermann@example.org";
constexpr std::string_view wohnort = "12345 Musterstadt";
constexpr std::string_view warnzeile = "Wer UNSINN eingibt, ist SELSBST SCHULD!!!";

// The palette colour of a colour answer; nothing unless it reads as a number that, rounded
// half to even, names one of the 16 colours.
std::optional<Rgb> farbeAus(std::string_view antwort) {
    const auto zahl = readNumber(antwort);
    if (!zahl) return std::nullopt;
    const double ganz = roundHalfEven(*zahl);
    if (ganz < 0 || ganz > 15) return std::nullopt;
    return qbColor(static_cast<long>(ganz));
}

} // namespace

Form1::Form1(OutputPane& bild1, Dialogs& dialoge)
    : u_{bild1, dialoge, {*qbColor(0), *qbColor(12)}, seiten_} {}

void Form1::Form_Load() {
    Dialogs& d = u_.dialoge;
    d.setOuterSize(11265, 6945);
    std::string gruss = "MÖGE DIR JUPITER GEWOGEN SEIN \r\n wünscht ";
    gruss.append(autor).append("\r\nE-Mail: ").append(email);
    melden(d, gruss, "ADRESSE");

    const std::string stamm = d.inputBox("Gib eine Farbzahl (0-15) ein, Standard:0", "WORTSTAMM");
    const std::string endung = d.inputBox("Gib eine Farbzahl (1-16) ein, Standard 12", "ENDUNG");
    const auto stammfarbe = farbeAus(stamm);
    const auto endfarbe = farbeAus(endung);
    if (stammfarbe && endfarbe) {
        u_.farben = {*stammfarbe, *endfarbe};
    } else {
        melden(d, "Zahlen eingeben, Du...", "EINGABEFEHLER");
        u_.farben = {*qbColor(0), *qbColor(12)};
    }

    keinVerbGewaehlt();
    melden(d, std::string("   ").append(warnzeile), "WARNUNG");
}

void Form1::Befehl1_Click() {
    keinVerbGewaehlt();
    if (const auto e = nouns::frage(u_)) zeigeWort(*e);
}

void Form1::Befehl4_Click() {
    keinVerbGewaehlt();
    if (const auto e = adjectives::frage(u_)) zeigeWort(*e);
}

void Form1::verbum_Click() {
    keinVerbGewaehlt();
    if (const auto e = verbs::frage(u_)) zeigeWort(*e);
}

void Form1::prakt_Click() { zeigeZeitseite(verbs::Zeitseite::praesensAktiv); }
void Form1::prpass_Click() { zeigeZeitseite(verbs::Zeitseite::praesensPassiv); }
void Form1::perfakt_Click() { zeigeZeitseite(verbs::Zeitseite::perfektAktiv); }
void Form1::perfpass_Click() { zeigeZeitseite(verbs::Zeitseite::perfektPassiv); }

void Form1::zeigeWort(const Eingabe& eingabe) {
    auto wort = engine::bilde(eingabe);
    if (!wort) {
        melden(u_.dialoge, wort.ablehnung());
        return;
    }
    const grammar::Paradigma& p = *wort->seite;
    if (p.wortart == grammar::Wortart::substantiv)
        nouns::drucke(u_, p);
    else if (p.wortart == grammar::Wortart::adjektiv)
        adjectives::drucke(u_, p);
    else
        verbs::druckeKopf(u_, p);
    if (wort->verb) verb_ = *wort;
    seiten_.zeige(wort->seite, wort->eingabe);
}

void Form1::zeigeZeitseite(verbs::Zeitseite seite) {
    if (!verbs::geprueft(u_, verb_ ? verb_->verb.get() : nullptr, seite)) return;
    const auto& gebildet = verb_->zeitseiten[static_cast<std::size_t>(seite)];
    if (!gebildet) {
        melden(u_.dialoge, gebildet.ablehnung());
        return;
    }
    verbs::druckeSeite(u_, **gebildet);
    seiten_.zeige(*gebildet, verb_->eingabe);
}

void Form1::Befehl2_Click() { u_.dialoge.end(); }

void Form1::Befehl3_Click() {
    u_.dialoge.showNotes();
    std::string notes = "ANMERKUNGEN\r\n"
                        "Das Programm dekliniert/konjugiert die regelmäßigen Formen der "
                        "eingegebenen Vokabel.\r\n"
                        "Bei den Substantiven sind für Neutra auf -or, -oris nur \"marmor\" "
                        "eingetragen.\r\n"
                        "Pronomina sind nicht berücksichtigt.\r\n"
                        " Bei den Adjektiven fehlt der Komparativ(=Kons.Dekl.), ebenso das Part. "
                        "Praes.(=Mischdekl.), P.P.P und P.F.A.(=A/O-Dekl.).\r\n"
                        " Bei den Verben fehlen \"fio, fero und eo\".\r\n"
                        "Viel Erfolg wünscht ";
    notes.append(autor).append(", ").append(wohnort).append(".");
    u_.dialoge.setNotesText(notes);
}

void Form1::Command1_Click() { u_.dialoge.hideNotes(); }

void Form1::cmdfarb_Click() {
    const auto farbe = u_.dialoge.chooseColour(farbdialog_);
    if (!farbe) return; // cancelled: nothing changes, nothing is said
    farbdialog_ = *farbe;
    u_.bild1.setBackground(*farbe); // erases what the pane showed
    seiten_.leer();
}

void Form1::Bild1_Click() { write::line(u_.bild1, warnzeile); }

bool Form1::click(std::string_view control) {
    const Steuerelement* s = steuerelement(control);
    if (!s) return false;
    std::invoke(s->handler, *this);
    return true;
}

bool Form1::eingeben(const Eingabe& eingabe, bool angesehen) {
    if (eingabe.befehl != "SUBST" && eingabe.befehl != "ADJEKTIV" && eingabe.befehl != "VERBUM")
        return false;
    keinVerbGewaehlt();
    u_.leeren();
    seiten_.nurAnsehen(angesehen);
    zeigeWort(eingabe);
    seiten_.nurAnsehen(false);
    return true;
}

} // namespace latiflex
