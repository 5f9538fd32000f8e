#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds resources/strings/questions.txt, the quiz's question bank.

knowledge.txt holds the knowledge records in order, line n being record n
(1..300); a line "-" stands for a number without a record. capitals.txt holds
the country*capital records that follow as numbers 301..407. The output has
one record a line as NUMBER<TAB>TEXT, UTF-8, numbers rising.

The shape of the bank is checked before anything is written, so a slip in
the sources stops the build instead of reaching the quiz.
"""
import collections
import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
OUT = HERE.parent.parent / "resources" / "strings" / "questions.txt"

ANSWER_COUNTS = {"1": 185, "2": 70, "3": 44}
BLANK_THIRD = {57, 225, 267, 273, 289}


def read_lines(name):
    return (HERE / name).read_text(encoding="utf-8").splitlines()


def check_knowledge(records):
    problems = []
    counts = collections.Counter()
    for number, text in records.items():
        fields = text.split("*")
        if len(fields) != 5 or not all(fields) or fields[4] not in ANSWER_COUNTS:
            problems.append(f"{number}: not question*a1*a2*a3*1..3")
            continue
        counts[fields[4]] += 1
        if len(text) > 100:
            problems.append(f"{number}: {len(text)} characters")
        if re.search(r"\d \d", text):
            problems.append(f"{number}: a plain space inside a number (use a no-break space)")
        blank = fields[3] == " "
        if blank != (number in BLANK_THIRD):
            problems.append(f"{number}: blank third answer where none belongs, or missing")
        if blank and fields[4] == "3":
            problems.append(f"{number}: the blank answer is marked right")
        answers = [f.strip() for f in fields[1:4] if f.strip()]
        if len(set(answers)) != len(answers):
            problems.append(f"{number}: an answer is repeated")
    if dict(counts) != ANSWER_COUNTS:
        problems.append(f"answer numbers {dict(counts)}, wanted {ANSWER_COUNTS}")
    return problems


def check_capitals(pairs):
    problems = []
    for column, what in ((0, "country"), (1, "capital")):
        names = [pair[column] for pair in pairs]
        for name, seen in collections.Counter(names).items():
            if seen > 1:
                problems.append(f"{what} {name} appears {seen} times")
        for name in names:
            if not name or len(name) > 40:
                problems.append(f"{what} '{name}' is empty or over 40 characters")
    return problems


def main():
    lines = read_lines("knowledge.txt")
    if len(lines) != 300:
        sys.exit(f"knowledge.txt has {len(lines)} lines, wanted 300")
    knowledge = {n: text for n, text in enumerate(lines, start=1) if text != "-"}
    if sorted(set(range(1, 301)) - set(knowledge)) != [209]:
        sys.exit("only number 209 may be without a record")
    pairs = [line.split("*", 1) for line in read_lines("capitals.txt")]
    if len(pairs) != 107 or any(len(pair) != 2 for pair in pairs):
        sys.exit("capitals.txt must hold 107 lines country*capital")
    problems = check_knowledge(knowledge) + check_capitals(pairs)
    if problems:
        sys.exit("\n".join(problems))
    records = dict(knowledge)
    records.update({300 + i: "*".join(pair) for i, pair in enumerate(pairs, start=1)})
    OUT.parent.mkdir(parents=True, exist_ok=True)
    OUT.write_text("".join(f"{n}\t{records[n]}\n" for n in sorted(records)), encoding="utf-8")
    print(f"{OUT.relative_to(HERE.parent.parent)}: {len(records)} records")


if __name__ == "__main__":
    main()
