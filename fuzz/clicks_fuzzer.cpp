// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a session of clicks and answers, run through the real commands. A finding
// is a sanitizer report, a hang, invalid UTF-8 in the log of valid answers, or a command
// whose log shows something of an earlier word.
#include "session.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace latiflex::testing;
    const Session session = readSession({reinterpret_cast<const char*>(data), size}, 24);
    const std::string found = violation(session);
    if (!found.empty()) {
        std::fprintf(stderr, "%s\n", found.c_str());
        std::abort();
    }
    return 0;
}
