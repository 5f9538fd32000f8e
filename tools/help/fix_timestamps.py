#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
"""Zeroes the two time-of-day fields chmcmd writes into a CHM file (the ITSF
header's time stamp and entry 10 of #SYSTEM), so that the help file is the
same bytes on every build. Usage: fix_timestamps.py FILE.chm"""
import struct
import sys


def encint(data, at):
    value = 0
    while True:
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, at


def system_entry(data):
    """Offset and length of #SYSTEM in the file, from the directory listing."""
    name = b"/#SYSTEM"
    at = data.index(bytes([len(name)]) + name) + 1 + len(name)
    section, at = encint(data, at)
    offset, at = encint(data, at)
    length, _ = encint(data, at)
    if section != 0:
        sys.exit("#SYSTEM is not in the uncompressed section")
    content = struct.unpack_from("<Q", data, 0x58)[0]
    return content + offset, length


def main():
    path = sys.argv[1]
    data = bytearray(open(path, "rb").read())
    if data[:4] != b"ITSF":
        sys.exit(f"{path}: not a CHM file")
    data[0x10:0x14] = bytes(4)
    start, length = system_entry(data)
    at = start + 4  # after the #SYSTEM version
    while at < start + length:
        code, size = struct.unpack_from("<HH", data, at)
        if code == 10:
            data[at + 4 : at + 4 + size] = bytes(size)
        at += 4 + size
    open(path, "wb").write(data)


main()
