# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later

# Driving the program with real X input (xdotool) at any scale, sourced by
# scripts. Positions are given in the program's logical pixels: the 800 x 580
# panel PTlo and the module windows at their offsets from it. xd_layout turns
# them into screen pixels for a screen size and a scale factor.
#
# Needs: xdotool, ImageMagick (import, convert, compare), xwininfo.

# xd_fit W H: the factor --scale auto takes on a W x H work area: the largest
# whole hundredth at which 800 x 580 fits.
xd_fit() {
  awk -v w="$1" -v h="$2" 'BEGIN {
    f = w / 800; if (h / 580 < f) f = h / 580
    f = int(f * 100 + 1e-9) / 100; if (f < 1) f = 1; if (f > 8) f = 8
    print f }'
}

# xd_layout W H F: sets XD_F (device pixels per logical pixel) and PX, PY (the
# panel's logical position in the window that covers the W x H work area).
xd_layout() {
  XD_F="$3"
  read -r PX PY < <(awk -v w="$1" -v h="$2" -v f="$3" '
    function rhe(v,  r) { r = int(v); if (v < 0 && r != v) r--
      if (v - r > 0.5 || (v - r == 0.5 && r % 2)) r++; return r }
    BEGIN { lw = int(w / f + 0.5); lh = int(h / f + 0.5)
            print rhe((lw - 800) / 2), rhe((lh - 580) / 2) }')
}

# xd_dev X Y...: screen pixels of logical coordinates (rounded).
xd_dev() { awk -v f="$XD_F" 'BEGIN { for (i = 1; i < ARGC; i++) printf "%s%d", (i > 1 ? " " : ""), ARGV[i] * f + 0.5; print "" }' "$@"; }

# Module windows: offset from the panel and size, in logical pixels, from the
# file the program is built with.
declare -A XD_WIN=()
xd_read_windows() {
  local name x y w h
  while read -r name x y w h; do
    [[ -z "$name" || "$name" == \#* ]] || XD_WIN[$name]="$x $y $w $h"
  done <"$(dirname "${BASH_SOURCE[0]}")/../../src/core/ModuleGeometry.txt"
}
xd_read_windows
# Hot spots: "WINDOW X Y", a point inside a module window (logical pixels from
# its corner), or inside the panel PTlo for PANEL. Points are the centres of the
# controls unless said otherwise.
declare -A XD_SPOT=(
  [minimise]="PANEL 739 23" [close]="PANEL 779 23" [background]="PANEL 300 30"
  [next-arrow]="PANEL 548 480"
  [quiz-row1]="QUIZ 150 157" [quiz-row2]="QUIZ 150 208" [quiz-row3]="QUIZ 150 268"
  [quiz-mistakes]="QUIZ 149 127"
  [puzzle-number]="PUZZLE 442 300" [puzzle-enter]="PUZZLE 459 326" [puzzle-next]="PUZZLE 459 350"
  [puzzle-clock]="PUZZLE 485 300"
  [puzzle-board]="PUZZLE 16 106" # the top-left corner of cell 1; cells are 64 x 64
  [country-picture]="COUNTRY 4 5" # the top-left corner of the covered picture
  [country-name]="COUNTRY 100 306" [country-check]="COUNTRY 224 296"
  [country-number]="COUNTRY 292 286" [country-enter]="COUNTRY 292 308"
  [country-next]="COUNTRY 364 296"
  [coords-field]="COORDS 124 229" [coords-next]="COORDS 304 230"
  [coords-left]="COORDS 62 10" [coords-right]="COORDS 161 10"
  [coords-top]="COORDS 195 35" [coords-bottom]="COORDS 195 136"
  [coords-N]="COORDS 305 106" [coords-S]="COORDS 305 208"
  [coords-E]="COORDS 356 157" [coords-W]="COORDS 250 157"
  [explorers-list]="EXPLORERS 356 22" [explorers-picture]="EXPLORERS 57 67"
  [maps-continent]="MAPS 437 22" [maps-options]="MAPS 416 50" [maps-find-list]="MAPS 415 22"
  [maps-learn]="MAPS 418 88" [maps-test]="MAPS 418 104" [maps-find]="MAPS 418 120"
  [maps-message]="MAPS 24 21"
)
# Where a continent's map sits in the maps window, and known points of
# countries in those maps (logical pixels from the map's corner).
# The smallest states are their Find points (tools/maps/tables.json), inside
# their markers; a region's number is its place in the list of regions.
declare -A XD_MAP=([europe]="35 67" [south-america]="128 64" [oceania]="45 67" [poland]="56 64")
declare -A XD_REGION=([south-america]=1 [europe]=4 [oceania]=8 [poland-rivers]=11 [poland-parks]=14)
declare -A XD_COUNTRY=([albania]="europe 284 290" [brazil]="south-america 151 81"
  [malta]="europe 246 334" [vatican]="europe 231 281" [tuvalu]="oceania 334 151"
  [wisla]="poland 264 157" [bialowieza]="poland 364 127" [lodz-land]="poland 200 150")
# Dialogs: size (a pattern: the chooser widens to its longest set title), and
# hot spots from their top-left corner.
declare -A XD_DIALOG=([settings]="226 182" [chooser]="[0-9]+ 86")
declare -A XD_DIALOG_SPOT=(
  [settings-fastest]="36 53" [settings-enter]="178 159" [chooser-list]="112 50"
)

# xd_in NAME DX DY: logical screen point of a point inside a module window.
xd_in() {
  local ox oy
  read -r ox oy _ <<<"${XD_WIN[$1]}"
  echo $((PX + ox + $2)) $((PY + oy + $3))
}
# xd_win NAME: "X Y W H" of a module window in screen pixels.
xd_win() {
  local ox oy w h
  read -r ox oy w h <<<"${XD_WIN[$1]}"
  xd_dev $((PX + ox)) $((PY + oy)) "$w" "$h"
}

# xd_spot SPOT [DX DY]: logical screen point of a hot spot, moved by DX, DY.
xd_spot() {
  local win x y
  read -r win x y <<<"${XD_SPOT[$1]:?unknown hot spot $1}"
  x=$((x + ${2:-0})) y=$((y + ${3:-0}))
  if [ "$win" = PANEL ]; then echo $((PX + x)) $((PY + y)); else xd_in "$win" "$x" "$y"; fi
}
# xd_country NAME: logical screen point of a known country on its map.
xd_country() {
  local map x y mx my
  read -r map x y <<<"${XD_COUNTRY[$1]}"
  read -r mx my <<<"${XD_MAP[$map]}"
  xd_in MAPS $((mx + x)) $((my + y))
}
# xd_hit SPOT [DX DY]: clicks a hot spot.
# shellcheck disable=SC2046 # two numbers
xd_hit() { xd_click $(xd_spot "$@"); }

# xd_click X Y: moves to the logical point, lets the move arrive, clicks.
xd_click() {
  # shellcheck disable=SC2046 # two numbers
  xdotool mousemove $(xd_dev "$1" "$2")
  sleep 0.15
  xdotool click 1
  sleep 0.15
}
# xd_menu N: clicks the hotspot of menu entry N (1 to 9) at its centre.
xd_menu() {
  local spots=("" "26 8 45 41" "32 72 39 41" "30 136 35 33" "30 200 35 33" "32 256 39 41"
    "34 320 39 41" "35 384 33 33" "30 448 43 33" "39 488 34 25")
  local sx sy sw sh
  read -r sx sy sw sh <<<"${spots[$1]}"
  xd_click $((PX + 630 + sx + sw / 2)) $((PY + 48 + sy + sh / 2))
}
# xd_ctrl KEY: Ctrl+KEY, Ctrl held well before and after the key; the program
# acts on the key's release and needs to see Ctrl still held then.
xd_ctrl() {
  xdotool keydown ctrl
  sleep 0.2
  xdotool keydown "$1"
  sleep 0.1
  xdotool keyup "$1"
  sleep 0.2
  xdotool keyup ctrl
}

# xd_differing FILE1 FILE2 X Y W H: pixels that differ inside the rect
# (screen pixels).
xd_differing() {
  local tmp
  tmp="$(mktemp -d)"
  convert "$1" -crop "$5x$6+$3+$4" +repage "$tmp/a.png"
  convert "$2" -crop "$5x$6+$3+$4" +repage "$tmp/b.png"
  compare -metric AE "$tmp/a.png" "$tmp/b.png" null: 2>&1 | awk '{ printf "%d", $1 }' || true
  rm -rf "$tmp"
}
# A blinking text caret changes at most this many pixels between two
# screenshots; a difference that small does not mean the screen is still moving.
XD_CARET_PIXELS=40

# xd_still FILE [TIMEOUT]: waits until two screenshots a moment apart agree
# (effects and loads are over; a caret may blink) and keeps the last one as FILE.
xd_still() {
  local deadline=$((SECONDS + ${2:-20})) a b
  a="$(mktemp --suffix=.png)" b="$(mktemp --suffix=.png)"
  import -window root "$a"
  while :; do
    sleep 0.4
    import -window root "$b"
    [ "$(compare -metric AE "$a" "$b" null: 2>&1 | awk '{ printf "%d", $1 }')" -le "$XD_CARET_PIXELS" ] && break
    [ "$SECONDS" -ge "$deadline" ] && break
    mv "$b" "$a"
  done
  mv "$b" "$1"
  rm -f "$a"
}

# xd_dialog_at W H: "X Y" (screen pixels) of a shown top-level window of that
# size (each a number or a pattern), if any.
xd_dialog_at() {
  local line id
  while read -r line; do
    id="${line%% *}"
    if xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; then
      sed -E 's/.* [0-9]+x[0-9]+\+(-?[0-9]+)\+(-?[0-9]+) .*/\1 \2/' <<<"$line"
      return 0
    fi
  done < <(xwininfo -root -children | grep -E "^ +0x[0-9a-f]+ .* $1x$2\+" | sed 's/^ *//')
  return 1
}
# xd_dialog NAME [TIMEOUT]: waits for the dialog to show; prints "X Y".
xd_dialog() {
  local deadline=$((SECONDS + ${2:-20}))
  # shellcheck disable=SC2086 # two numbers
  until xd_dialog_at ${XD_DIALOG[$1]}; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}
# xd_dialog_gone NAME [TIMEOUT]: waits until the dialog is no longer shown.
xd_dialog_gone() {
  local deadline=$((SECONDS + ${2:-20}))
  # shellcheck disable=SC2086 # two numbers
  while xd_dialog_at ${XD_DIALOG[$1]} >/dev/null; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}
# xd_dialog_spot X Y SPOT: screen point of a hot spot of a dialog at (X, Y).
xd_dialog_spot() {
  local dx dy
  read -r dx dy <<<"${XD_DIALOG_SPOT[$3]}"
  echo $(($1 + dx)) $(($2 + dy))
}
