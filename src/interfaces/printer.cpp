#include "interfaces/printer.h"

namespace latiflex::print {

void line(OutputPane& pane, std::string_view text) {
    pane.text(text);
    pane.newline();
}

void plain(OutputPane& pane, std::string_view text) { pane.text(text); }

void column(OutputPane& pane, int column, std::string_view text) {
    pane.tab(column);
    pane.text(text);
}

void columnLine(OutputPane& pane, int column, std::string_view text) {
    print::column(pane, column, text);
    pane.newline();
}

void threeColumns(OutputPane& pane, int a, std::string_view x, int b, std::string_view y, int c,
                  std::string_view z) {
    column(pane, a, x);
    column(pane, b, y);
    columnLine(pane, c, z);
}

void blankLine(OutputPane& pane) { line(pane, " "); }

void form(OutputPane& pane, const Farben& farben, int column, const Wortform& form,
          LineEnd lineEnd) {
    pane.setForeground(farben.stammfarbe);
    print::column(pane, column, form.stamm);
    pane.setForeground(farben.endfarbe);
    if (lineEnd == LineEnd::end)
        line(pane, form.endung);
    else
        plain(pane, form.endung);
}

} // namespace latiflex::print
