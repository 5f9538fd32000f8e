#!/bin/sh
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds content/Terravika.chm from the HTML pages in src/. The pages are
# written in UTF-8; the help file carries them in Windows-1250, the code page
# of its Polish language setting, so that every CHM viewer shows the Polish
# letters. Needs chmcmd (Debian package fp-utils), iconv, setarch and python3.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out="$here/../../content/Terravika.chm"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for file in "$here"/src/*; do
    name=$(basename "$file")
    case "$name" in
    *.html | *.hhc | *.hhk | *.hhp)
        sed 's/charset=utf-8/charset=windows-1250/' "$file" |
            iconv -f UTF-8 -t WINDOWS-1250 >"$work/$name"
        ;;
    *) cp "$file" "$work/$name" ;;
    esac
done

# chmcmd stamps the time of day into the file and, with address-space
# randomisation, leaves a byte of the keyword index to chance: build without
# randomisation and zero the time stamps, so every build gives the same bytes.
(cd "$work" && setarch "$(uname -m)" -R chmcmd --no-html-scan Terravika.hhp >/dev/null)
python3 "$here/fix_timestamps.py" "$work/Terravika.chm"
mv "$work/Terravika.chm" "$out"
echo "wrote $out"
