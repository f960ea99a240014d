#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, where they are missing.
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev libutf8proc-dev pkgconf libgtest-dev libbenchmark-dev libsqlite3-dev fonts-liberation fonts-dejavu-core
    qt6-translations-l10n zlib1g-dev dict-freedict-lat-deu "$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
