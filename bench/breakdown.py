#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
"""Where the resident memory of the program and of the bare Qt window lies.

Starts both under one Xvfb (1024 x 768), waits until their windows are up,
reads /proc/PID/smaps and prints the resident kibibytes of every mapped file
(and of anonymous memory) side by side, largest difference first.
Usage: bench/breakdown.py BUILD_DIR [SECONDS_TO_WAIT]
"""
import collections, os, subprocess, time

from startup_common import argument, bare_window, program, xvfb_with_content

build = os.path.abspath(argument(1, "build"))
wait = float(argument(2, "3.0"))

def resident_by_mapping(pid):
    sizes, name = collections.Counter(), None
    with open(f"/proc/{pid}/smaps") as smaps:
        for line in smaps:
            fields = line.split()
            if "-" in fields[0] and not fields[0].endswith(":"):
                name = os.path.basename(fields[5]) if len(fields) > 5 else "[anonymous]"
            elif fields[0] == "Rss:":
                sizes[name] += int(fields[1])
    return sizes

def measure(cmd, cwd, env):
    process = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    time.sleep(wait)
    sizes = resident_by_mapping(process.pid)
    process.kill()
    process.wait()
    return sizes

def main():
    with xvfb_with_content(":98") as (work, env):
        started = measure([program(build)], work, env)
        bare = measure([bare_window(build), "--stay"], work, env)
        names = sorted(set(started) | set(bare), key=lambda n: bare[n] - started[n])
        print(f"{'mapping':40} {'program':>10} {'bare':>10}  (resident KiB)")
        for name in names:
            if started[name] or bare[name]:
                print(f"{name[:40]:40} {started[name]:10} {bare[name]:10}")
        print(f"{'total':40} {sum(started.values()):10} {sum(bare.values()):10}")

main()
