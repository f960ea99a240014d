#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack and checks it: the files it installs and their
# places, the menu entry and the software-centre description against their validators,
# dependencies that Debian has, and the installed binary playing the pupil's tour in a
# real window, copying and printing. Run after a build (scripts/build.sh); needs
# desktop-file-utils, appstream, dpkg-dev and what tests/e2e needs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/release
(cd $build && cpack -G DEB >/dev/null)
deb=$(ls $build/latiflex_*.deb)
echo "== $deb: $(stat -c %s "$deb") bytes"
dpkg-deb --field "$deb" Package Version Depends Installed-Size

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$deb" "$root"
expected=(
    usr/bin/latiflex
    usr/lib/latiflex/liblatiflex_druck.so
    usr/share/applications/org.example.latiflex.desktop
    usr/share/doc/latiflex/copyright
    usr/share/icons/hicolor/scalable/apps/org.example.latiflex.svg
    usr/share/metainfo/org.example.latiflex.metainfo.xml
)
installed=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
echo "$installed"
[ "$installed" = "$(printf '%s\n' "${expected[@]}" | sort)" ] || { echo "unexpected files" >&2; exit 1; }

desktop-file-validate "$root/usr/share/applications/org.example.latiflex.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.example.latiflex.metainfo.xml"
# Every dependency must be one Debian can install here.
apt-get install --simulate --quiet --quiet "./$deb" >/dev/null

tests/e2e/run.sh "$root/usr/bin/latiflex" $build/tests/transcript $build/tests/tour $build/package-e2e
# The installed program must find its print module where it was installed.
tests/e2e/share.sh "$root/usr/bin/latiflex" $build/tests/shot $build/package-share
echo "package checked"
