#pragma once

#include "drill/uebung.h"
#include "interfaces/printer.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace latiflex {

/**
 * The window "Üben": the drill over the words of this run, one question at a time. Modeless
 * and usable with the keyboard alone: Enter checks the answer and asks the next question,
 * Alt with the underlined letter reaches every control, and every control has an accessible
 * name. The verdict shows the right form in the run's stem and ending colours.
 */
class UebenFenster final : public QDialog {
    Q_OBJECT

public:
    /// The drill over `seiten`, its chance fixed by `seed`; `farben` and `hintergrund` give
    /// the colours of the verdict's form.
    UebenFenster(const Seiten& seiten, std::uint32_t seed, const print::Farben& farben,
                 QWidget* parent = nullptr);

    /// Shows the window and, the first time, asks the first question.
    void oeffnen();
    /// The pane's background, behind the verdict's coloured form.
    void setHintergrund(QColor farbe);

    const drill::Uebung& uebung() const { return uebung_; }

private:
    void pruefen();
    void loesungZeigen();
    void leereUrteil();
    /// Beside `haupt` where the screen has room, else over its pane: never over its buttons.
    void platziereNeben(const QWidget& haupt);
    void fragen();
    void eingrenzen();
    void zeigeUrteil(const drill::Urteil& urteil);

    drill::Uebung uebung_;
    const print::Farben& farben_;
    QColor hintergrund_{Qt::white};
    bool geoeffnet_ = false;

    QComboBox* art_;
    QLabel* frage_;
    QLineEdit* antwort_;
    QWidget* bestimmen_;
    std::array<QComboBox*, 7>
        merkmale_{}; // Genus, Kasus, Person, Numerus, Tempus, Modus, Genus verbi
    std::array<QWidget*, 7> merkmalZeilen_{};
    std::vector<QCheckBox*> filter_;
    QLabel* urteil_;
    QLabel* stand_;
};

} // namespace latiflex
