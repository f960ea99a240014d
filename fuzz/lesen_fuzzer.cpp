// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a text, on any bytes: every word lies where it says, in order, and is letters only;
// a reading of a word alone names that word (or its enclitic's host) as its page prints it;
// and the same text always reads the same.
#include "drill/vergleich.h"
#include "grammar/text.h"
#include "lesen/lesen.h"
#include "lesen/zerlegung.h"
#include "require.h"

#include <algorithm>
#include <string>

namespace {

// Texts write i and j, u and v alike; the analysis reads both.
std::string ohneJundV(std::string s) {
    std::replace(s.begin(), s.end(), 'j', 'i');
    std::replace(s.begin(), s.end(), 'J', 'I');
    std::replace(s.begin(), s.end(), 'v', 'u');
    std::replace(s.begin(), s.end(), 'V', 'U');
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace latiflex;
    const std::string text = lesen::alsUtf8({reinterpret_cast<const char*>(data), size});
    require(text::isValidUtf8(text));
    lesen::Leser leser({{{"SUBST", {"rosa", "rosae"}}}, {}});
    const auto woerter = leser.lesen(text);
    require(woerter == lesen::Leser({{{"SUBST", {"rosa", "rosae"}}}, {}}).lesen(text));
    std::size_t ende = 0;
    std::size_t zeile = 1;
    for (const auto& w : woerter) {
        require(!w.form.empty() && w.anfang >= ende && w.zeile >= zeile);
        require(text.compare(w.anfang, w.laenge, w.form) == 0);
        ende = w.anfang + w.laenge;
        zeile = w.zeile;
        const std::string& gelesen = w.wirt.empty() ? w.form : w.wirt;
        for (const auto& l : leser.lesarten(w.form))
            require(!l.zelle || drill::gleich(ohneJundV(gelesen), ohneJundV(l.wortform.ganz())));
    }
    return 0;
}
