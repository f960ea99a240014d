#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Static analysis: clang-tidy (checks in .clang-tidy) on the program and its test driver,
# cppcheck on those and the end-to-end tools; and every source file as clang-format writes
# it. Needs the compile commands of the release build (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files 'src/*.cpp' 'tests/transcript/*.cpp')
echo "== clang-tidy, ${#sources[@]} files"
status=0
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 2 clang-tidy -p build/release --quiet \
    >build/release/clang-tidy.log 2>&1 || status=1
grep -E '(warning|error):' build/release/clang-tidy.log || true
[ "$status" -eq 0 ] || { echo "clang-tidy found faults" >&2; exit 1; }
echo "== cppcheck"
cppcheck --quiet --error-exitcode=1 --enable=warning,performance,portability --std=c++20 \
    --inline-suppr --suppress=missingIncludeSystem -I src -I tests/transcript \
    src tests/transcript tests/e2e fuzz
echo "== clang-format"
git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format --dry-run -Werror
echo "static analysis clean, every file formatted"
