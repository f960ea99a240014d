#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# valgrind's memcheck on the transcript driver playing every golden script: no leak, no
# invalid access. Needs a release build (scripts/build.sh) and valgrind.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts=(tests/golden/*.txt)
printf '%s\n' "${scripts[@]}" | xargs -P "$(nproc)" -I{} sh -c \
    'valgrind --quiet --leak-check=full --show-leak-kinds=definite,indirect,possible \
        --errors-for-leak-kinds=definite,indirect,possible --error-exitcode=1 \
        build/release/tests/transcript < "{}" > /dev/null || { echo "memcheck: {}" >&2; exit 255; }'
echo "memcheck clean on ${#scripts[@]} golden scripts"
