// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/uebung.h"
#include "interfaces/write.h"
#include "shell/lektionen.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace latiflex {

class EingrenzungAuswahl;
class MerkmalAuswahl;

/**
 * The window "Üben": the drill over the words of this run, a lesson, all lessons or (the
 * default once lessons exist) the cells due today, one question at a time. Modeless and
 * usable with the keyboard alone: Enter checks the answer and asks the next question, Alt
 * with the underlined letter reaches every control, and every control has an accessible
 * name. The verdict shows the right form in the run's stem and ending colours. Over a
 * lesson, the narrowing is the lesson's own and is kept with it.
 */
class UebenWindow final : public QDialog {
    Q_OBJECT

public:
    /// The drill over `seiten`, its chance fixed by `seed`; `farben` and `hintergrund` give
    /// the colours of the verdict's form. With `lektionen` it can also run over the lessons,
    /// and every answer is stored there.
    UebenWindow(const Seiten& seiten, std::uint32_t seed, const Farben& farben,
                QWidget* parent = nullptr, Lektionen* lektionen = nullptr);

    /// Shows the window and, the first time, asks the first question; the list of what to
    /// practise is read afresh.
    void oeffnen();
    /// The pane's background, behind the verdict's coloured form.
    void setHintergrund(QColor farbe);
    /// Practises `umfang` (`lektion` names the lesson for `Lektionen::Umfang::lektion`): a new
    /// drill with an empty score.
    void setUmfang(Lektionen::Umfang umfang, std::optional<Lektionen::LektionId> lektion = {});

    const drill::Uebung& uebung() const { return *uebung_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's parts, top to bottom; each is made once, by the constructor.
    QLayout* umfangZeile();
    QLayout* artZeile();
    QWidget* eingrenzung();
    QLayout* formular();
    QLayout* knoepfe();

    void pruefen();
    void loesungZeigen();
    void leereUrteil();
    /// Says in the verdict's place why nothing was judged.
    void zeigeHinweis(const QString& text);
    /// Makes the verdict's room tall enough for its text; it never shrinks.
    void passeUrteilAn();
    /// Shows the open question; the focus stays where it is, so the lists above can be
    /// stepped through with the arrow keys.
    void fragen();
    /// Gives the focus to where the open question is answered.
    void zurAntwort();
    void eingrenzen();
    void zeigeUrteil(const drill::Urteil& urteil);
    void fuelleUmfaenge();
    void umfangGewaehlt();
    void zeigeFaellig();
    void weglassen();

    const Seiten& seiten_;
    std::uint32_t seed_;
    Lektionen* lektionen_;
    std::unique_ptr<drill::Uebung> uebung_;
    Lektionen::Umfang umfang_ = Lektionen::Umfang::lauf;
    std::optional<Lektionen::LektionId> lektion_;
    const Farben& farben_;
    QColor hintergrund_{Qt::white};
    bool geoeffnet_ = false;
    bool blaettern_ = false; ///< an arrow key is stepping through a list

    QComboBox* umfaenge_;
    QLabel* faellig_;
    QComboBox* art_;
    QLabel* frage_;
    QLineEdit* antwort_;
    MerkmalAuswahl* merkmale_;
    EingrenzungAuswahl* eingrenzung_;
    QLabel* urteil_;
    QLabel* stand_;
};

} // namespace latiflex
