#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds and runs every test without a display: the test
# suite (with the end-to-end tour of the real window under Xvfb), the Debian package and
# its installed binary, static analysis, the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang libclang-rt-14-dev clang-tidy clang-format cppcheck valgrind xvfb xdotool \
    xclip openbox x11-utils sqlite3 poppler-utils tesseract-ocr tesseract-ocr-eng desktop-file-utils \
    appstream dpkg-dev
export QT_QPA_PLATFORM=offscreen LATIFLEX_E2E_REQUIRED=1

scripts/build.sh
ctest --preset release
scripts/package.sh

scripts/lint.sh

cmake --preset sanitize
cmake --build --preset sanitize
# The tour drives the release binary; the sanitized one would only repeat it slower.
ctest --preset sanitize --label-exclude e2e

scripts/fuzz.sh --seconds "${FUZZ_SECONDS:-5}"
