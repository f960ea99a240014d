// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/datum.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <unistd.h>

// In the store's own namespace, for the tests of the lessons' store that share it.
namespace latiflex::lektionen {

/// A fresh folder for one test's lessons, named after the test, removed afterwards.
struct Ordner {
    std::filesystem::path pfad;
    Ordner() {
        pfad = std::filesystem::temp_directory_path() /
               ("latiflex-db-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(pfad);
        std::filesystem::create_directories(pfad);
    }
    ~Ordner() { std::filesystem::remove_all(pfad); }
    std::filesystem::path datei() const { return pfad / "lektionen.sqlite"; }
};

/// Runs SQL on a file as another program would.
inline void sql(const std::filesystem::path& datei, const std::string& text) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(datei.c_str(), &db), SQLITE_OK);
    char* fehler = nullptr;
    EXPECT_EQ(sqlite3_exec(db, text.c_str(), nullptr, nullptr, &fehler), SQLITE_OK)
        << (fehler ? fehler : "");
    sqlite3_free(fehler);
    sqlite3_close(db);
}

/// The day a text "YYYY-MM-DD" names.
inline Datum tag(const char* text) { return *datumAus(text); }

} // namespace latiflex::lektionen
