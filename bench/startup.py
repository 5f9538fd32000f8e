#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up time of the program beside a bare Qt Widgets window.

Runs both under one Xvfb (1024 x 768), each until its window is on the screen
(the program with --quit-when-shown, on a copy of content/), alternating, and
prints the medians and their ratio; then the peak resident memory of as many
runs of each, alternating, and its medians. Usage: bench/startup.py BUILD_DIR [RUNS]
"""
import os, statistics, subprocess, time

from startup_common import argument, bare_window, program, xvfb_with_content

build = os.path.abspath(argument(1, "build"))
runs = int(argument(2, "9"))

def timed(cmd, cwd, env):
    start = time.perf_counter()
    subprocess.run(cmd, cwd=cwd, env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return (time.perf_counter() - start) * 1000

def peak_kib(cmd, cwd, env):
    out = subprocess.run(["/usr/bin/time", "-f", "%M"] + cmd, cwd=cwd, env=env, check=True,
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True).stderr
    return int(out.strip().splitlines()[-1])

def main():
    with xvfb_with_content(":97") as (work, env):
        started = [program(build), "--quit-when-shown"]
        bare = [bare_window(build)]
        timed(started, work, env), timed(bare, work, env)  # warm the caches
        times = {"program": [], "bare": []}
        for _ in range(runs):
            times["program"].append(timed(started, work, env))
            times["bare"].append(timed(bare, work, env))
        p, b = statistics.median(times["program"]), statistics.median(times["bare"])
        peaks = {"program": [], "bare": []}
        for _ in range(runs):
            peaks["program"].append(peak_kib(started, work, env))
            peaks["bare"].append(peak_kib(bare, work, env))
        mp, mb = statistics.median(peaks["program"]), statistics.median(peaks["bare"])
        print(f"runs: {runs} each, alternating")
        print(f"program to main window shown: median {p:.1f} ms")
        print(f"bare Qt Widgets window:       median {b:.1f} ms")
        print(f"ratio: {p / b:.2f}")
        print(f"peak resident memory, medians: program {mp / 1024:.1f} MiB, bare {mb / 1024:.1f} MiB, "
              f"ratio {mp / mb:.2f}")

main()
