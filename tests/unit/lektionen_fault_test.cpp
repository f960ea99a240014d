// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing lost: a process drilling is killed at random moments, two processes drill at once,
// a disk that takes no more bytes. Each child process works the real drill and store.
#include "lauf.h"
#include "shell/lektionen.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace latiflex::testing {
namespace {

namespace fs = std::filesystem;

struct Ordner {
    fs::path pfad;
    explicit Ordner(const std::string& name) {
        pfad = fs::temp_directory_path() /
               ("latiflex-fault-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(pfad);
        fs::create_directories(pfad);
    }
    ~Ordner() { fs::remove_all(pfad); }
    fs::path datei() const { return pfad / "lektionen.sqlite"; }
};

const Eingabe rosa{"SUBST", {"rosa", "rosae"}};

// Drills `rosa` in the store `datei` for `antworten` answers, right and wrong by turns, and
// writes each answer the drill confirmed ("1" or "0") to `fd` once `antworte` has returned.
[[noreturn]] void drille(const fs::path& datei, int antworten, int fd, std::uint32_t seed) {
    {
        Lauf lauf;
        Lektionen lektionen(lauf.form, datei);
        lektionen.setHeute(*lektionen::datumAus("2026-03-02"));
        lektionen.hinzufuegen(rosa);
        auto uebung = lektionen.uebung(Lektionen::Umfang::alle, std::nullopt, seed);
        for (int i = 0; i < antworten; ++i) {
            const drill::Frage* f = uebung->naechsteFrage();
            if (!f) ::_exit(3);
            const bool richtig = i % 2 == 0;
            const auto urteil = uebung->antworte(richtig ? f->wortform().ganz() : "x");
            if (!urteil || urteil->richtig != richtig) ::_exit(4);
            if (lektionen.meldung()) ::_exit(5);
            const char c = richtig ? '1' : '0';
            if (::write(fd, &c, 1) != 1) ::_exit(6);
        }
    }
    ::_exit(0);
}

// A child process drilling: its id, and the pipe it writes each confirmed answer to.
struct Kind {
    pid_t pid;
    int lesen;
};

// A child process running `drille` on `datei`; nothing when the pipe or the fork fails.
std::optional<Kind> drillendesKind(const fs::path& datei, int antworten, std::uint32_t seed) {
    int rohr[2];
    if (::pipe(rohr) != 0) return std::nullopt;
    const pid_t pid = ::fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        ::close(rohr[0]);
        drille(datei, antworten, rohr[1], seed);
    }
    ::close(rohr[1]);
    return Kind{pid, rohr[0]};
}

// All a child wrote, read up to its end; the pipe is closed then.
std::string alles(int fd) {
    std::string aus;
    char puffer[4096];
    for (ssize_t n; (n = ::read(fd, puffer, sizeof puffer)) > 0;)
        aus.append(puffer, static_cast<std::size_t>(n));
    ::close(fd);
    return aus;
}

std::string integritaet(const fs::path& datei) {
    sqlite3* db = nullptr;
    sqlite3_open(datei.c_str(), &db);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &s, nullptr);
    std::string aus = sqlite3_step(s) == SQLITE_ROW
                          ? reinterpret_cast<const char*>(sqlite3_column_text(s, 0))
                          : "no answer";
    sqlite3_finalize(s);
    sqlite3_close(db);
    return aus;
}

// The answers stored to rosa, as "1" and "0" in the order given.
std::string gespeichert(const fs::path& datei) {
    lektionen::Database db(datei);
    const auto id = db.finde(rosa);
    std::string aus;
    if (id)
        for (const auto& a : db.antworten(*id))
            aus += a.richtig ? '1' : '0';
    return aus;
}

// Killed at a random moment, the store loses at most the answer being written: every answer
// the drill confirmed is there, in order, and the file is whole.
TEST(Fehler, AbgebrochenAnZufaelligenStellen) {
    Ordner o("kill");
    std::mt19937 zufall(20261209);
    std::string bestaetigt;
    for (int lauf = 0; lauf < 30; ++lauf) {
        const auto kind = drillendesKind(o.datei(), 1'000'000, static_cast<std::uint32_t>(lauf));
        ASSERT_TRUE(kind);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 40'000)(zufall));
        ::kill(kind->pid, SIGKILL);
        int status = 0;
        ::waitpid(kind->pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself: " << status;
        bestaetigt += alles(kind->lesen);

        ASSERT_EQ(integritaet(o.datei()), "ok") << "run " << lauf;
        const std::string da = gespeichert(o.datei());
        // Stored: every confirmed answer, and at most the one whose confirmation the kill cut.
        ASSERT_TRUE(da.starts_with(bestaetigt)) << "run " << lauf;
        ASSERT_LE(da.size(), bestaetigt.size() + 1) << "run " << lauf;
        bestaetigt = da;
    }
    EXPECT_GT(bestaetigt.size(), 30u) << "the runs answered hardly anything";
}

// Two windows of the program drilling into one new store at once lose nothing, and neither
// takes the other's half-made file for a foreign one.
TEST(Fehler, ZweiProzesseZugleich) {
    for (int runde = 0; runde < 5; ++runde) {
        Ordner o("zwei" + std::to_string(runde));
        constexpr int jeder = 150;
        std::vector<Kind> kinder;
        for (std::uint32_t k = 0; k < 2; ++k) {
            const auto kind = drillendesKind(o.datei(), jeder, k);
            ASSERT_TRUE(kind);
            kinder.push_back(*kind);
        }
        std::size_t bestaetigt = 0;
        for (std::size_t k = 0; k < 2; ++k) {
            bestaetigt += alles(kinder[k].lesen).size();
            int status = 0;
            ::waitpid(kinder[k].pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
                << "child " << k << ": " << status;
        }
        EXPECT_EQ(bestaetigt, 2u * jeder);
        EXPECT_EQ(integritaet(o.datei()), "ok");
        lektionen::Database db(o.datei());
        EXPECT_EQ(db.lektionen().size(), 1u) << "both started the same store";
        EXPECT_EQ(gespeichert(o.datei()).size(), 2u * jeder);
        const auto tage = db.uebungstage(db.lektionen()[0].id);
        ASSERT_EQ(tage.size(), 1u);
        EXPECT_EQ(tage[0].richtig, jeder);
        EXPECT_EQ(tage[0].falsch, jeder);
    }
}

// A disk that takes no more bytes: a message, and the program goes on without storing.
TEST(Fehler, DatentraegerVoll) {
    Ordner o("voll");
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit grenze{256 * 1024, 256 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        Lauf lauf;
        Lektionen lektionen(lauf.form, o.datei());
        int gespeichert = 0;
        for (int i = 0;
             i < 5000 && lektionen.hinzufuegen(
                             {"SUBST", {std::to_string(i) + "x" + std::string(200, 'a'), "rosae"}});
             ++i)
            ++gespeichert;
        const auto m = lektionen.meldung();
        if (!m || m->find("ohne zu speichern") == std::string::npos) ::_exit(2);
        if (gespeichert == 0 || gespeichert == 5000) ::_exit(3);
        // The program goes on: reading works, changing says no, nothing crashes.
        if (lektionen.hinzufuegen(rosa) || lektionen.database().speichert()) ::_exit(4);
        if (lektionen.lektionen().empty()) ::_exit(5);
        lauf.form.eingeben(rosa);
        if (!lauf.form.seiten().aufSicht()) ::_exit(6);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(integritaet(o.datei()), "ok");
}

} // namespace
} // namespace latiflex::testing
