#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
# The program starts without the libraries only some of its parts need: Qt
# Multimedia comes with the sound plugin at the first sound, libchm with the
# help. Usage: test_needed_libraries.sh PROGRAM SOUND_PLUGIN
set -euo pipefail
needed="$(readelf -d "$1" | grep NEEDED)"
for library in libQt6Multimedia libchm; do
  if grep -q "$library" <<<"$needed"; then
    echo "$1 is linked with $library" >&2
    exit 1
  fi
done
readelf -d "$2" | grep -q 'NEEDED.*libQt6Multimedia' || { echo "$2 lacks Qt Multimedia" >&2; exit 1; }
echo "the program needs neither Qt Multimedia nor libchm at start"
