// SPDX-License-Identifier: GPL-3.0-or-later
#include "interfaces/write.h"

namespace latiflex::write {

void line(OutputPane& pane, std::string_view text) {
    pane.text(text);
    pane.newline();
}

void column(OutputPane& pane, int column, std::string_view text) {
    pane.tab(column);
    pane.text(text);
}

void columnLine(OutputPane& pane, int column, std::string_view text) {
    write::column(pane, column, text);
    pane.newline();
}

void blankLine(OutputPane& pane) { line(pane, " "); }

void form(OutputPane& pane, const Farben& farben, int column, const Wortform& form) {
    pane.setForeground(farben.stammfarbe);
    write::column(pane, column, form.stamm);
    pane.setForeground(farben.endfarbe);
    line(pane, form.endung);
}

} // namespace latiflex::write
