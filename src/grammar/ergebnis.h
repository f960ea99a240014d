// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace latiflex {

/// Why a command forms nothing: the message box it shows, its text and title ("Keine
/// Formen vorhanden" under "EINGABEFEHLER").
struct Ablehnung {
    std::string text;
    std::string titel;

    friend bool operator==(const Ablehnung&, const Ablehnung&) = default;
};

/**
 * What the rules make of typed forms: the value they form, or the command's refusal. Read
 * it as an optional that knows why it is empty: test it, then `*` the value or ask
 * `ablehnung()`.
 */
template <typename T> class Ergebnis {
public:
    Ergebnis(T wert) : inhalt_(std::in_place_index<0>, std::move(wert)) {}
    Ergebnis(Ablehnung ablehnung) : inhalt_(std::in_place_index<1>, std::move(ablehnung)) {}

    bool hatWert() const { return inhalt_.index() == 0; }
    explicit operator bool() const { return hatWert(); }

    const T& operator*() const { return std::get<0>(inhalt_); }
    T& operator*() { return std::get<0>(inhalt_); }
    const T* operator->() const { return &std::get<0>(inhalt_); }

    /// The refusal; only where there is no value.
    const Ablehnung& ablehnung() const { return std::get<1>(inhalt_); }

private:
    std::variant<T, Ablehnung> inhalt_;
};

} // namespace latiflex
