// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grammar/eingabe.h"
#include "interfaces/seiten.h"

#include <vector>

namespace latiflex {

class Lektionen;

/// The pupil's own words, which the window "Bestimmen" ranks first: this run's pages, oldest
/// first, but those the hint line warns about (a supine typed for the participle is not the
/// pupil's word for that verb); then the words of every lesson. Each once.
std::vector<Eingabe> eigeneWoerter(const Seiten& seiten, Lektionen* lektionen);

} // namespace latiflex
