#!/bin/sh
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the artwork generator and redraws every compiled-in picture.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-artgen"
cmake -S "$root/tools/artgen" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2
"$build/terravika-artgen" "$root"
