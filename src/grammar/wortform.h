#pragma once

#include <string>

namespace latiflex {

/// A printed word form: the stem and the ending, drawn in their two colours. Either may be
/// empty; the form then shows wholly in the other colour.
struct Wortform {
    std::string stamm;
    std::string endung;

    friend bool operator==(const Wortform&, const Wortform&) = default;
};

} // namespace latiflex
