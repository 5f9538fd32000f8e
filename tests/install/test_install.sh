#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the desktop entry's
# command as fresh users: each gets a working base folder of their own, with
# the installed sets, maps and help linked in, and the default Tarvo.ini.
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
[ -f "$PREFIX/share/icons/hicolor/256x256/apps/pl.terravika.Terravika.png" ] || fail "no icon"
sets=$(ls "$PREFIX/share/terravika/Data" | wc -l)
[ "$sets" -ge 1 ] || fail "no photo sets installed"

chmod -R a-w "$PREFIX"  # a read-only installation
export QT_QPA_PLATFORM=offscreen

start() {  # start as a user with the given environment, then check the folder
    # shellcheck disable=SC2086 # the entry's arguments are words
    env -u XDG_DATA_HOME "$@" "$PREFIX/bin/$command" $arguments --quit-when-shown
}
check() {
    local base="$1"
    [ "$(cat "$base/Tarvo.ini")" = "$(printf '[DATA]\r\nFolder=Data\r\nName=0\r\nTempo=3\r\nBlokada=1\r')" ] \
        || fail "$base/Tarvo.ini"
    [ "$(ls "$base/Data" | wc -l)" -ge "$sets" ] || fail "$base/Data"
    [ -r "$base/Maps/GeoMap.dat" ] && [ -r "$base/Maps/GeoMen.dat" ] || fail "$base/Maps"
}

start XDG_DATA_HOME="$T/anna/data"
check "$T/anna/data/terravika"
start XDG_DATA_HOME="$T/piotr/data"
check "$T/piotr/data/terravika"
start HOME="$T/home"
check "$T/home/.local/share/terravika"

# A teacher's own set stays; a second start keeps the settings file.
echo own > "$T/anna/data/terravika/Data/Nasz.dat"
printf '[DATA]\r\nFolder=Data\r\nName=0\r\nTempo=1\r\nBlokada=0\r\n' > "$T/anna/data/terravika/Tarvo.ini"
start XDG_DATA_HOME="$T/anna/data" || true
[ "$(cat "$T/anna/data/terravika/Data/Nasz.dat")" = own ] || fail "own set replaced"
grep -q 'Tempo=1' "$T/anna/data/terravika/Tarvo.ini" || fail "settings lost"
echo "install: 1 passed, 0 failed"
