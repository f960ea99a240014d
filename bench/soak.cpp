// SPDX-License-Identifier: GPL-3.0-or-later
// 10,000 commands of every kind through the real main window's buttons, the dialogs
// answered through the interface; prints resident memory after the first 1,000 and at
// the end, which should be the same.
#include "recorder.h"
#include "widgets/mainwindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

long residentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace latiflex::testing;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Its words join lessons in a folder of its own, never in the user's.
    const QTemporaryDir daten;
    qputenv("XDG_DATA_HOME", daten.path().toLocal8Bit());
    QApplication app(argc, argv);
    std::ostream nowhere(nullptr);
    ScriptedDialogs dialoge(nowhere);
    latiflex::MainWindow window(&dialoge);
    dialoge.push(Answer{"9"});
    dialoge.push(Answer{"12"});
    window.form().Form_Load();
    window.show();

    const std::vector<std::pair<const char*, std::vector<const char*>>> round{
        {"Befehl1", {"rosa", "rosae"}},
        {"Befehl4", {"acer", "acris", "acre"}},
        {"verbum", {"amo", "amare", "amavi", "amatus"}},
        {"prakt", {}},
        {"prpass", {}},
        {"perfakt", {}},
        {"perfpass", {}},
        {"Befehl3", {}},
        {"cmdfarb", {}},
        {"Bild1", {}}};
    long afterWarmUp = 0;
    for (int i = 0; i < 10'000; ++i) {
        const auto& [control, answers] = round[static_cast<std::size_t>(i) % round.size()];
        for (const char* a : answers)
            dialoge.push(Answer{a});
        if (std::string(control) == "cmdfarb") dialoge.push(ColourChoice{{255, 255, 204}});
        if (std::string(control) == "Bild1")
            static_cast<void>(window.form().click("Bild1")); // a name of the controls table
        else
            window.findChild<QPushButton*>(control)->click();
        QCoreApplication::processEvents();
        if (i == 999) afterWarmUp = residentKb();
    }
    const long atEnd = residentKb();
    std::printf("resident memory after 1,000 commands: %ld kB, after 10,000: %ld kB (%+ld kB)\n",
                afterWarmUp, atEnd, atEnd - afterWarmUp);
    return 0;
}
