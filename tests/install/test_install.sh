#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and starts the desktop entry's
# command as fresh users: each gets a working base folder of their own, with
# the installed sets, maps and help linked in, and the default Tarvo.ini.
# Then the lab cases: a read-only home, a system-wide settings template and
# photo-set folder, a set the administrator removed.
set -euo pipefail
BUILD="$1"
T="$(mktemp -d)"
trap 'chmod -R u+w "$T"; rm -rf "$T"' EXIT
PREFIX="$T/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
appstreamcli validate --no-net "$PREFIX/share/metainfo/pl.terravika.Terravika.metainfo.xml" >/dev/null
desktop-file-validate "$PREFIX/share/applications/pl.terravika.Terravika.desktop"
read -r command arguments < <(sed -n 's/^Exec=//p' "$PREFIX/share/applications/pl.terravika.Terravika.desktop")
[ -x "$PREFIX/bin/$command" ] || fail "desktop entry command $command not installed"
# The teachers' set editor has an entry of its own.
desktop-file-validate "$PREFIX/share/applications/pl.terravika.Zestawy.desktop"
read -r editor _ < <(sed -n 's/^Exec=//p' "$PREFIX/share/applications/pl.terravika.Zestawy.desktop")
[ -x "$PREFIX/bin/$editor" ] || fail "set editor $editor not installed"
[ -f "$PREFIX/share/icons/hicolor/256x256/apps/pl.terravika.Terravika.png" ] || fail "no icon"
grep -q '^License: CC-BY-SA-4.0$' "$PREFIX/share/doc/terravika/copyright" || fail "no copyright file"
sets=$(find "$PREFIX/share/terravika/Data" -name '*.dat' | wc -l)
[ "$sets" -ge 1 ] || fail "no photo sets installed"

chmod -R a-w "$PREFIX" # a read-only installation
export QT_QPA_PLATFORM=offscreen
DEFAULT_INI=$(printf '[DATA]\r\nFolder=Data\r\nName=0\r\nTempo=3\r\nBlokada=1\r')

start() { # shellcheck disable=SC2086 # the entry's arguments are words
    # start as a user with the given environment; stderr to $T/err
    env -u XDG_DATA_HOME -u XDG_RUNTIME_DIR -u XDG_CACHE_HOME \
        XDG_DATA_DIRS="$T/none" XDG_CONFIG_DIRS="$T/none" \
        "$@" "$PREFIX/bin/$command" $arguments --quit-when-shown 2>"$T/err"
}
check() { # check BASE [TARVO.INI TEXT]
    local base="$1" ini="${2:-$DEFAULT_INI}"
    [ "$(cat "$base/Tarvo.ini")" = "$ini" ] || fail "$base/Tarvo.ini"
    [ "$(find "$base/Data" -name '*.dat' | wc -l)" -ge "$sets" ] || fail "$base/Data"
    [ -r "$base/Maps/GeoMap.dat" ] && [ -r "$base/Maps/GeoMen.dat" ] || fail "$base/Maps"
}

start XDG_DATA_HOME="$T/anna/data"
check "$T/anna/data/terravika"
start XDG_DATA_HOME="$T/piotr/data"
check "$T/piotr/data/terravika"
start HOME="$T/home"
check "$T/home/.local/share/terravika"
! grep -q terravika-launch "$T/err" || fail "a writable home gave a note: $(cat "$T/err")"

# A teacher's own set stays; a second start keeps the settings file.
echo own >"$T/anna/data/terravika/Data/Nasz.dat"
printf '[DATA]\r\nFolder=Data\r\nName=0\r\nTempo=1\r\nBlokada=0\r\n' >"$T/anna/data/terravika/Tarvo.ini"
start XDG_DATA_HOME="$T/anna/data" || true
[ "$(cat "$T/anna/data/terravika/Data/Nasz.dat")" = own ] || fail "own set replaced"
grep -q 'Tempo=1' "$T/anna/data/terravika/Tarvo.ini" || fail "settings lost"

# A read-only home: the runtime folder, else the cache folder, with a note.
mkdir -p "$T/ro/home" "$T/ro/run" "$T/ro/cache"
ro() { # ro ENV...: start with the home mounted read-only
    start HOME="$T/ro/home" "$@" unshare -m sh -c 'mount --bind -o ro "$HOME" "$HOME" && exec "$@"' sh
}
ro XDG_RUNTIME_DIR="$T/ro/run"
check "$T/ro/run/terravika"
grep -q "$T/ro/run/terravika" "$T/err" || fail "no note of the runtime folder: $(cat "$T/err")"
ro XDG_CACHE_HOME="$T/ro/cache"
check "$T/ro/cache/terravika"
grep -q "$T/ro/cache/terravika" "$T/err" || fail "no note of the cache folder: $(cat "$T/err")"

# A lab: a settings template and a photo-set folder shared by all users; the
# lab's sets come before the installed ones of the same name.
lab_ini=$(printf '[DATA]\r\nFolder=Data\r\nName=1\r\nTempo=2\r\nBlokada=0\r')
mkdir -p "$T/etc/terravika" "$T/local/terravika/Data"
echo "$lab_ini" >"$T/etc/terravika/Tarvo.ini"
cp "$PREFIX/share/terravika/Data/Europa.dat" "$T/local/terravika/Data/Klasa.dat"
cp "$PREFIX/share/terravika/Data/Europa.dat" "$T/local/terravika/Data/Swiat.dat"
lab() { start XDG_DATA_HOME="$T/ewa" XDG_CONFIG_DIRS="$T/etc" XDG_DATA_DIRS="$T/local:$T/none"; }
lab
check "$T/ewa/terravika" "$lab_ini"
[ "$(readlink "$T/ewa/terravika/Data/Klasa.dat")" = "$T/local/terravika/Data/Klasa.dat" ] || fail "lab set"
[ "$(readlink "$T/ewa/terravika/Data/Swiat.dat")" = "$T/local/terravika/Data/Swiat.dat" ] || fail "order"
rm "$T/local/terravika/Data/Klasa.dat" "$T/local/terravika/Data/Swiat.dat"
lab
[ ! -L "$T/ewa/terravika/Data/Klasa.dat" ] || fail "the link of a removed set stayed"
[ "$(readlink "$T/ewa/terravika/Data/Swiat.dat")" = "$PREFIX/share/terravika/Data/Swiat.dat" ] || fail "relink"

# Folders another user made are never used: a fresh private one instead. An
# unreadable lab template gives the defaults, said on stderr.
if [ "$(id -u)" = 0 ]; then
    mkdir -p "$T/sq/run/terravika" "$T/sq/cache/terravika" "$T/sq/terravika-0"
    chown nobody "$T/sq/run/terravika" "$T/sq/cache/terravika" "$T/sq/terravika-0"
    ro XDG_RUNTIME_DIR="$T/sq/run" XDG_CACHE_HOME="$T/sq/cache" TMPDIR="$T/sq"
    base=$(sed -n 's/.*ustawienia i zestawy zdjęć są w \(.*\) (przetrwają.*/\1/p' "$T/err")
    case "$base" in "$T/sq/terravika-0."*) ;; *) fail "squatted folder used: $(cat "$T/err")" ;; esac
    [ "$(stat -c %U "$base")" = root ] || fail "base not our own"
fi
mkdir -p "$T/noread/etc/terravika" # unreadable only for a user other than root
echo "$lab_ini" >"$T/noread/etc/terravika/Tarvo.ini"
chmod 000 "$T/noread/etc/terravika/Tarvo.ini"
if [ ! -r "$T/noread/etc/terravika/Tarvo.ini" ]; then
    start XDG_DATA_HOME="$T/noread/data" XDG_CONFIG_DIRS="$T/noread/etc"
    check "$T/noread/data/terravika"
    grep -q "nie można odczytać wzoru ustawień" "$T/err" || fail "no note of the template"
fi
echo "install: 1 passed, 0 failed"
