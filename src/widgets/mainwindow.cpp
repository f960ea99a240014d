#include "widgets/mainwindow.h"

#include "widgets/panewidget.h"
#include "widgets/twips.h"

#include <QKeyEvent>
#include <QPushButton>

#include <array>

namespace latiflex {

namespace {

struct Knopf {
    const char* name;
    const char* caption;
    int left, top, width, height; // twips
};

// In the keyboard's tab order; the pane comes last.
constexpr std::array<Knopf, 10> knoepfe{{
    {"Befehl1", "SUBST", 8880, 240, 1215, 495},
    {"Befehl4", "ADJEKTIV", 8880, 960, 1215, 495},
    {"Befehl3", "?", 7800, 240, 735, 1215},
    {"verbum", "VERBUM", 7920, 1680, 2175, 495},
    {"prakt", "PR.IMP.F1. AKT.", 7920, 2400, 2175, 375},
    {"prpass", "PR.IMP.F1. PASS.", 7920, 3000, 2175, 375},
    {"perfakt", "PF.PLQPF.F2. AKT.", 7920, 3600, 2175, 375},
    {"perfpass", "PF.PLQPF.F2.PASS:", 7920, 4200, 2175, 375},
    {"cmdfarb", "FARBEN", 7920, 5280, 855, 495},
    {"Befehl2", "ENDE", 9240, 5280, 855, 495},
}};

} // namespace

MainWindow::MainWindow(Dialogs* dialoge)
    : bild1_(new PaneWidget(this)), dialoge_(this),
      form_(*bild1_, dialoge ? *dialoge : static_cast<Dialogs&>(dialoge_)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("LATIFLEX 1 "));
    resize(twipsRect(*this, 0, 0, 11145, 6540).size());

    QWidget* previous = nullptr;
    for (const Knopf& k : knoepfe) {
        auto* button = new QPushButton(QString::fromUtf8(k.caption), this);
        button->setObjectName(QString::fromUtf8(k.name));
        button->setGeometry(twipsRect(*this, k.left, k.top, k.width, k.height));
        connect(button, &QPushButton::clicked, this, [this, name = k.name] { form_.click(name); });
        button->installEventFilter(this);
        if (previous) setTabOrder(previous, button);
        previous = button;
    }
    findChild<QPushButton*>(QStringLiteral("Befehl3"))->setFont(QFont(QStringLiteral("Arial"), 24));

    bild1_->setObjectName(QStringLiteral("Bild1"));
    bild1_->setGeometry(twipsRect(*this, 840, 360, 6615, 5415));
    setTabOrder(previous, bild1_);
    connect(bild1_, &PaneWidget::clicked, this, [this] { form_.click("Bild1"); });
    dialoge_.onCommand1([this] { form_.click("Command1"); });
    // The keyboard starts on the first control of the tab order, not on the pane.
    findChild<QPushButton*>(QStringLiteral("Befehl1"))->setFocus();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            modifiers == Qt::NoModifier && !key->isAutoRepeat()) {
            static_cast<QPushButton*>(watched)->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::start() {
    form_.Form_Load();
    show();
}

} // namespace latiflex
