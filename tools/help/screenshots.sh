#!/bin/sh
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the screenshots of the teachers' help page (the set editor and the
# set chooser) into src/, from the screenshot tests of a build, reduced to
# 256 colours to keep the help file small. Needs ImageMagick.
# Usage: tools/help/screenshots.sh [BUILD_DIR]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
TERRAVIKA_SHOTS="$work" QT_QPA_PLATFORM=offscreen \
    "$build/tests/terravika_tests" --gtest_filter='EditorShots*' >/dev/null
for shot in zestawy-problem zestawy-gotowy zestawy-wybor; do
    convert "$work/$shot.png" -strip -colors 256 "PNG8:$here/src/$shot.png"
done
echo "screenshots in $here/src"
