// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/textleser.h"

#include <QMetaObject>

namespace latiflex {

TextLeser::TextLeser(std::function<std::string(const Eingabe&)> bedeutung,
                     const analysis::Woerterbuch* woerterbuch,
                     std::function<void(std::size_t, std::size_t)> fortschritt,
                     std::function<void(std::shared_ptr<Woerter>)> fertig, QObject* parent)
    : QObject(parent), bedeutung_(std::move(bedeutung)), woerterbuch_(woerterbuch),
      fortschritt_(std::move(fortschritt)), fertig_(std::move(fertig)),
      thread_([this] { arbeiten(); }) {}

TextLeser::~TextLeser() {
    {
        const std::lock_guard lock(mutex_);
        ende_ = true;
        ++neuester_; // stops a reading under way
    }
    wecker_.notify_one();
    thread_.join();
}

void TextLeser::lies(std::string text, std::vector<Eingabe> eigene) {
    {
        const std::lock_guard lock(mutex_);
        const std::uint64_t nummer = ++neuester_;
        naechster_ = Auftrag{std::move(text), std::move(eigene), nummer};
    }
    wecker_.notify_one();
}

void TextLeser::arbeiten() {
    std::optional<lesen::Leser> leser;
    std::vector<Eingabe> eigene;
    for (;;) {
        Auftrag auftrag;
        {
            std::unique_lock lock(mutex_);
            wecker_.wait(lock, [this] { return ende_ || naechster_; });
            if (ende_) return;
            auftrag = std::move(*naechster_);
            naechster_.reset();
        }
        if (!leser || auftrag.eigene != eigene) {
            eigene = auftrag.eigene;
            leser.emplace(lesen::Quellen{eigene, bedeutung_, woerterbuch_});
        }
        const auto nummer = auftrag.nummer;
        auto woerter = std::make_shared<Woerter>(
            leser->lesen(auftrag.text, [this, nummer](std::size_t gelesen, std::size_t alle) {
                if (nummer != neuester_) return false;
                QMetaObject::invokeMethod(
                    this, [this, gelesen, alle] { fortschritt_(gelesen, alle); },
                    Qt::QueuedConnection);
                return true;
            }));
        // Only the newest text's words reach the window; an older one was stopped.
        QMetaObject::invokeMethod(
            this,
            [this, nummer, woerter = std::move(woerter)] {
                if (nummer != neuester_) return;
                fertigNummer_ = nummer;
                fertig_(woerter);
            },
            Qt::QueuedConnection);
    }
}

} // namespace latiflex
