// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace latiflex {

/// A printed word form: the stem and the ending, drawn in their two colours. Either may be
/// empty; the form then shows wholly in the other colour.
struct Wortform {
    std::string stamm;
    std::string endung;

    /// The form as one word, as the pupil reads it.
    std::string ganz() const { return stamm + endung; }
    /// A blank row of a page: no form stands there.
    bool leer() const { return stamm.empty() && endung.empty(); }

    friend bool operator==(const Wortform&, const Wortform&) = default;
};

} // namespace latiflex
