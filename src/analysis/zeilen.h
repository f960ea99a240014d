// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

/// Reading the analysis's compiled-in tables: tab-separated rows, `#` starting a comment.
namespace latiflex::analysis {

/// The fields of every row of `tabelle` but empty and comment lines; each a view into it.
std::vector<std::vector<std::string_view>> zeilen(std::string_view tabelle);

/// The number a field holds; 0 for none.
int zahl(std::string_view feld);

} // namespace latiflex::analysis
