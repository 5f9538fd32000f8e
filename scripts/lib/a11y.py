#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads what the running program shows from its accessibility tree (AT-SPI).

The journeys ask it for texts and counters instead of reading pixels. Every
object that is showing is one line: role, name, text (when it differs from
the name), and its extents on the screen as "x y w h". Items of lists are left
out unless --items is given, so a tree stays short.

  a11y.py tree [--items]               every showing object of the program
  a11y.py find [--role R] [--name RE] [--at X Y] [--items] [--wait S] [--gone]
                                       matching objects; exit 1 if none (or,
                                       with --gone, if some remain) after
                                       waiting up to S seconds
  a11y.py items --name RE              the items of the list named RE
"""
import argparse
import re
import sys
import time

import pyatspi

APP = "terravika"
LISTS = {"list", "list box", "table", "tree", "tree table", "combo box", "menu"}


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and (app.name or "").lower().startswith(APP):
            return app
    return None


def text_of(obj):
    try:
        t = obj.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return ""


def extents(obj):
    try:
        e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return (e.x, e.y, e.width, e.height)
    except NotImplementedError:
        return (0, 0, 0, 0)


def walk(obj, items, depth=0):
    """Yields (depth, object) for the showing objects below obj."""
    for child in obj:
        if child is None:
            continue
        try:
            if not child.getState().contains(pyatspi.STATE_SHOWING):
                continue
        except Exception:
            continue
        yield depth, child
        if child.getRoleName() in LISTS and not items:
            continue
        yield from walk(child, items, depth + 1)


def line(obj):
    name = (obj.name or "").replace("\n", "⏎")
    text = text_of(obj).replace("\n", "⏎")
    row = f"{obj.getRoleName()}\t{name}"
    if text and text != obj.name:
        row += f"\ttext={text}"
    states = obj.getState()
    for state, word in ((pyatspi.STATE_CHECKED, "checked"), (pyatspi.STATE_FOCUSED, "focused")):
        if states.contains(state):
            row += f"\t[{word}]"
    return row + "\t@ " + " ".join(map(str, extents(obj)))


def matches(obj, args):
    if args.role and obj.getRoleName() != args.role:
        return False
    if args.name:
        pattern = re.compile(args.name)
        if not (pattern.search(obj.name or "") or pattern.search(text_of(obj))):
            return False
    if args.at:
        x, y, w, h = extents(obj)
        px, py = args.at
        if not (x <= px < x + w and y <= py < y + h):
            return False
    return True


def find(args):
    deadline = time.monotonic() + args.wait
    while True:
        app = program()
        found = []
        if app is not None:
            found = [line(o) for _, o in walk(app, args.items) if matches(o, args)]
        if bool(found) != args.gone:
            if found:
                print("\n".join(found))
            return 0
        if time.monotonic() >= deadline:
            if found:
                print("\n".join(found))
            return 1
        time.sleep(0.3)


def main():
    parser = argparse.ArgumentParser()
    sub = parser.add_subparsers(dest="command", required=True)
    tree = sub.add_parser("tree")
    tree.add_argument("--items", action="store_true")
    f = sub.add_parser("find")
    f.add_argument("--role")
    f.add_argument("--name")
    f.add_argument("--at", type=int, nargs=2)
    f.add_argument("--items", action="store_true")
    f.add_argument("--wait", type=float, default=0)
    f.add_argument("--gone", action="store_true")
    items = sub.add_parser("items")
    items.add_argument("--name", required=True)
    args = parser.parse_args()

    if args.command == "tree":
        app = program()
        if app is None:
            print("a11y: the program is not on the accessibility bus", file=sys.stderr)
            return 2
        for depth, obj in walk(app, args.items):
            print("  " * depth + line(obj))
        return 0
    if args.command == "items":
        app = program()
        pattern = re.compile(args.name)
        for _, obj in walk(app, True) if app else []:
            if obj.getRoleName() in LISTS and pattern.search(obj.name or ""):
                for item in obj:
                    print(item.name)
                return 0
        return 1
    return find(args)


if __name__ == "__main__":
    sys.exit(main())
