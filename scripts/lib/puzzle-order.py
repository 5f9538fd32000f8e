#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
"""Tells which piece of a picture each cell of a puzzle board shows.

  puzzle-order.py BOARD.ppm PICTURE.ppm

BOARD is the 384 x 256 board as drawn (6 x 4 cells of 64 x 64), PICTURE the
whole picture as shown elsewhere, both binary PPM. Prints 24 piece numbers
(1..24), cell by cell, each the piece whose pixels the cell matches best.
"""
import sys

COLS, ROWS, SIDE = 6, 4, 64


def read_ppm(path):
    data = open(path, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:  # magic, width, height, maximum
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b"P6", "binary PPM expected"
    return int(fields[1]), data[pos + 1:]


def square(width, pixels, k):
    """Every fourth pixel of square k (0-based), as bytes."""
    x0, y0 = SIDE * (k % COLS), SIDE * (k // COLS)
    out = bytearray()
    for y in range(y0 + 2, y0 + SIDE - 2, 4):
        row = (y * width + x0) * 3
        for x in range(2, SIDE - 2, 4):
            out += pixels[row + 3 * x:row + 3 * x + 3]
    return bytes(out)


def main():
    bw, board = read_ppm(sys.argv[1])
    pw, picture = read_ppm(sys.argv[2])
    pieces = [square(pw, picture, k) for k in range(COLS * ROWS)]
    order = []
    for cell in range(COLS * ROWS):
        seen = square(bw, board, cell)
        cost = [sum(abs(a - b) for a, b in zip(seen, piece)) for piece in pieces]
        order.append(cost.index(min(cost)) + 1)
    print(" ".join(map(str, order)))


if __name__ == "__main__":
    main()
