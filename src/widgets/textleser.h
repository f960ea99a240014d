// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesen/lesen.h"

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace latiflex {

/**
 * Reads texts in a thread of its own, so that the window never waits: the newest text
 * wins, a reading overtaken by a newer text stops at once. Progress and the words read are
 * handed to the callbacks in the GUI thread. One `lesen::Leser` is kept while the pupil's
 * words stay the same, so typing reads only the new words.
 */
class TextLeser final : public QObject {
    Q_OBJECT

public:
    using Woerter = std::vector<lesen::Wort>;

    /// `bedeutung` gives an entry's meaning (may be empty); `fortschritt` is called with
    /// words read and words in all, `fertig` with each text's words.
    TextLeser(std::function<std::string(const Eingabe&)> bedeutung,
              const analysis::Woerterbuch* woerterbuch,
              std::function<void(std::size_t, std::size_t)> fortschritt,
              std::function<void(std::shared_ptr<Woerter>)> fertig, QObject* parent = nullptr);
    ~TextLeser() override;
    TextLeser(const TextLeser&) = delete;
    TextLeser& operator=(const TextLeser&) = delete;

    /// Reads `text` (UTF-8) with the pupil's words `eigene`, in place of any text before.
    void lies(std::string text, std::vector<Eingabe> eigene);
    /// Whether a text is still being read.
    bool liest() const { return fertigNummer_ != neuester_; }

private:
    struct Auftrag {
        std::string text;
        std::vector<Eingabe> eigene;
        std::uint64_t nummer;
    };
    void arbeiten();

    std::function<std::string(const Eingabe&)> bedeutung_;
    const analysis::Woerterbuch* woerterbuch_;
    std::function<void(std::size_t, std::size_t)> fortschritt_;
    std::function<void(std::shared_ptr<Woerter>)> fertig_;
    std::mutex mutex_;
    std::condition_variable wecker_;
    std::optional<Auftrag> naechster_;
    bool ende_ = false;
    std::atomic<std::uint64_t> neuester_{0};
    std::atomic<std::uint64_t> fertigNummer_{0};
    std::thread thread_;
};

} // namespace latiflex
