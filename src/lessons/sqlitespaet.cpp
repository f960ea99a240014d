// SPDX-License-Identifier: GPL-3.0-or-later
// SQLite is loaded on the first use of the lessons' store, not at every start: linked as a
// shared library it was mapped, relocated and searched for every symbol Qt looks up while
// the window opens (a quarter of the start-up memory above the bare Qt program, see
// bench/README.md). The functions the program calls are defined here with SQLite's own
// declarations and forward to libsqlite3.so.0, opened with dlopen on the first call. A
// function of SQLite used elsewhere is added as one line below; the compiler checks each
// line against sqlite3.h.
#include <sqlite3.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

void* bibliothek() {
    static void* const b = [] {
        void* h = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_LOCAL);
        if (h == nullptr) {
            std::fprintf(stderr, "latiflex: SQLite fehlt (%s)\n", dlerror());
            std::abort();
        }
        return h;
    }();
    return b;
}

template <typename F> F* funktion(const char* name) {
    void* f = dlsym(bibliothek(), name);
    if (f == nullptr) {
        std::fprintf(stderr, "latiflex: SQLite ohne %s\n", name);
        std::abort();
    }
    return reinterpret_cast<F*>(f);
}

} // namespace

#define LATIFLEX_SQLITE(ergebnis, name, parameter, argumente)                                      \
    extern "C" ergebnis name parameter {                                                           \
        static auto* const echt = funktion<decltype(::name)>(#name);                               \
        return echt argumente;                                                                     \
    }

using Ende = void (*)(void*);
using Funktion = void (*)(sqlite3_context*, int, sqlite3_value**);
using Schluss = void (*)(sqlite3_context*);
using Rueckruf = int (*)(void*, int, char**, char**);

LATIFLEX_SQLITE(int, sqlite3_open, (const char* a, sqlite3** b), (a, b))
LATIFLEX_SQLITE(int, sqlite3_open_v2, (const char* a, sqlite3** b, int c, const char* d),
                (a, b, c, d))
LATIFLEX_SQLITE(int, sqlite3_close, (sqlite3 * a), (a))
LATIFLEX_SQLITE(int, sqlite3_close_v2, (sqlite3 * a), (a))
LATIFLEX_SQLITE(int, sqlite3_exec, (sqlite3 * a, const char* b, Rueckruf c, void* d, char** e),
                (a, b, c, d, e))
LATIFLEX_SQLITE(int, sqlite3_busy_timeout, (sqlite3 * a, int b), (a, b))
LATIFLEX_SQLITE(int, sqlite3_extended_result_codes, (sqlite3 * a, int b), (a, b))
LATIFLEX_SQLITE(int, sqlite3_errcode, (sqlite3 * a), (a))
LATIFLEX_SQLITE(int, sqlite3_extended_errcode, (sqlite3 * a), (a))
LATIFLEX_SQLITE(const char*, sqlite3_errmsg, (sqlite3 * a), (a))
LATIFLEX_SQLITE(const char*, sqlite3_errstr, (int a), (a))
LATIFLEX_SQLITE(int, sqlite3_changes, (sqlite3 * a), (a))
LATIFLEX_SQLITE(sqlite3_int64, sqlite3_last_insert_rowid, (sqlite3 * a), (a))
LATIFLEX_SQLITE(int, sqlite3_get_autocommit, (sqlite3 * a), (a))
LATIFLEX_SQLITE(void, sqlite3_free, (void* a), (a))
LATIFLEX_SQLITE(int, sqlite3_prepare_v2,
                (sqlite3 * a, const char* b, int c, sqlite3_stmt** d, const char** e),
                (a, b, c, d, e))
LATIFLEX_SQLITE(int, sqlite3_step, (sqlite3_stmt * a), (a))
LATIFLEX_SQLITE(int, sqlite3_reset, (sqlite3_stmt * a), (a))
LATIFLEX_SQLITE(int, sqlite3_finalize, (sqlite3_stmt * a), (a))
LATIFLEX_SQLITE(int, sqlite3_clear_bindings, (sqlite3_stmt * a), (a))
LATIFLEX_SQLITE(int, sqlite3_bind_int, (sqlite3_stmt * a, int b, int c), (a, b, c))
LATIFLEX_SQLITE(int, sqlite3_bind_int64, (sqlite3_stmt * a, int b, sqlite3_int64 c), (a, b, c))
LATIFLEX_SQLITE(int, sqlite3_bind_double, (sqlite3_stmt * a, int b, double c), (a, b, c))
LATIFLEX_SQLITE(int, sqlite3_bind_null, (sqlite3_stmt * a, int b), (a, b))
LATIFLEX_SQLITE(int, sqlite3_bind_text, (sqlite3_stmt * a, int b, const char* c, int d, Ende e),
                (a, b, c, d, e))
LATIFLEX_SQLITE(int, sqlite3_bind_text64,
                (sqlite3_stmt * a, int b, const char* c, sqlite3_uint64 d, Ende e, unsigned char f),
                (a, b, c, d, e, f))
LATIFLEX_SQLITE(int, sqlite3_column_count, (sqlite3_stmt * a), (a))
LATIFLEX_SQLITE(int, sqlite3_column_type, (sqlite3_stmt * a, int b), (a, b))
LATIFLEX_SQLITE(int, sqlite3_column_int, (sqlite3_stmt * a, int b), (a, b))
LATIFLEX_SQLITE(sqlite3_int64, sqlite3_column_int64, (sqlite3_stmt * a, int b), (a, b))
LATIFLEX_SQLITE(double, sqlite3_column_double, (sqlite3_stmt * a, int b), (a, b))
LATIFLEX_SQLITE(const unsigned char*, sqlite3_column_text, (sqlite3_stmt * a, int b), (a, b))
LATIFLEX_SQLITE(int, sqlite3_column_bytes, (sqlite3_stmt * a, int b), (a, b))
LATIFLEX_SQLITE(int, sqlite3_create_function_v2,
                (sqlite3 * a, const char* b, int c, int d, void* e, Funktion f, Funktion g,
                 Schluss h, Ende i),
                (a, b, c, d, e, f, g, h, i))
LATIFLEX_SQLITE(const unsigned char*, sqlite3_value_text, (sqlite3_value * a), (a))
LATIFLEX_SQLITE(int, sqlite3_value_bytes, (sqlite3_value * a), (a))
LATIFLEX_SQLITE(int, sqlite3_value_int, (sqlite3_value * a), (a))
LATIFLEX_SQLITE(sqlite3_int64, sqlite3_value_int64, (sqlite3_value * a), (a))
LATIFLEX_SQLITE(int, sqlite3_value_type, (sqlite3_value * a), (a))
LATIFLEX_SQLITE(void, sqlite3_result_text64,
                (sqlite3_context * a, const char* b, sqlite3_uint64 c, Ende d, unsigned char e),
                (a, b, c, d, e))
LATIFLEX_SQLITE(void, sqlite3_result_text, (sqlite3_context * a, const char* b, int c, Ende d),
                (a, b, c, d))
LATIFLEX_SQLITE(void, sqlite3_result_int, (sqlite3_context * a, int b), (a, b))
LATIFLEX_SQLITE(void, sqlite3_result_int64, (sqlite3_context * a, sqlite3_int64 b), (a, b))
LATIFLEX_SQLITE(void, sqlite3_result_null, (sqlite3_context * a), (a))
LATIFLEX_SQLITE(void, sqlite3_result_error, (sqlite3_context * a, const char* b, int c), (a, b, c))
LATIFLEX_SQLITE(void*, sqlite3_user_data, (sqlite3_context * a), (a))
