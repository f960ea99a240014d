#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test without a display: the test
# suite, static analysis, the suite again under AddressSanitizer and UndefinedBehavior-
# Sanitizer, and a bounded fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang libclang-rt-14-dev clang-tidy cppcheck valgrind
export QT_QPA_PLATFORM=offscreen

scripts/build.sh
ctest --preset release

scripts/lint.sh
scripts/memcheck.sh

cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

scripts/fuzz.sh --seconds "${FUZZ_SECONDS:-40}"
