#include "widgets/mainwindow.h"

#include "shell/steuerelemente.h"
#include "widgets/panemenu.h"
#include "widgets/panewidget.h"
#include "widgets/twips.h"

#include <QKeyEvent>
#include <QPushButton>

namespace latiflex {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

MainWindow::MainWindow(Dialogs* dialoge)
    : bild1_(new PaneWidget(this)), dialoge_(this),
      form_(*bild1_, dialoge ? *dialoge : static_cast<Dialogs&>(dialoge_)),
      paneMenu_(new PaneMenu(bild1_, this, form_)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("LATIFLEX 1 "));
    resize(twipsRect(*this, 0, 0, 11145, 6540).size());

    // The buttons in the keyboard's tab order; the pane comes last.
    QWidget* previous = nullptr;
    for (const Steuerelement& k : steuerelemente) {
        if (!istKnopf(k)) continue;
        auto* button = new QPushButton(fromUtf8(k.caption), this);
        button->setObjectName(fromUtf8(k.name));
        button->setGeometry(twipsRect(*this, k.left, k.top, k.width, k.height));
        if (k.arialPunkte) button->setFont(QFont(QStringLiteral("Arial"), k.arialPunkte));
        connect(button, &QPushButton::clicked, this, [this, name = k.name] { form_.click(name); });
        button->installEventFilter(this);
        if (previous) setTabOrder(previous, button);
        previous = button;
    }

    bild1_->setObjectName(QStringLiteral("Bild1"));
    const Steuerelement& bild1 = *steuerelement("Bild1");
    bild1_->setGeometry(twipsRect(*this, bild1.left, bild1.top, bild1.width, bild1.height));
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
