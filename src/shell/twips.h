#pragma once

#include <cmath>

namespace latiflex {

/// Twips (1440 to the inch) in pixels at `dpi` logical dots per inch.
inline int twipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

} // namespace latiflex
