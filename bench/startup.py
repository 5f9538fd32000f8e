#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up time of the program beside a bare Qt Widgets window.

Runs both under one Xvfb (1024 x 768), each until its window is on the screen
(the program with --quit-when-shown, on a copy of content/), alternating, and
prints the medians and their ratio; then the peak resident memory of as many
runs of each, alternating, and its medians. Usage: bench/startup.py BUILD_DIR [RUNS]
"""
import os, shutil, statistics, subprocess, sys, tempfile, time

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 9
root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

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
    display = ":97"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24"],
                            stderr=subprocess.DEVNULL)
    time.sleep(1.5)
    work = tempfile.mkdtemp()
    try:
        shutil.copytree(os.path.join(root, "content"), work, dirs_exist_ok=True)
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
        program = [os.path.join(build, "src", "terravika"), "--quit-when-shown"]
        bare = [os.path.join(build, "bench", "bare_window")]
        timed(program, work, env), timed(bare, work, env)  # warm the caches
        times = {"program": [], "bare": []}
        for _ in range(runs):
            times["program"].append(timed(program, work, env))
            times["bare"].append(timed(bare, work, env))
        p, b = statistics.median(times["program"]), statistics.median(times["bare"])
        peaks = {"program": [], "bare": []}
        for _ in range(runs):
            peaks["program"].append(peak_kib(program, work, env))
            peaks["bare"].append(peak_kib(bare, work, env))
        mp, mb = statistics.median(peaks["program"]), statistics.median(peaks["bare"])
        print(f"runs: {runs} each, alternating")
        print(f"program to main window shown: median {p:.1f} ms")
        print(f"bare Qt Widgets window:       median {b:.1f} ms")
        print(f"ratio: {p / b:.2f}")
        print(f"peak resident memory, medians: program {mp / 1024:.1f} MiB, bare {mb / 1024:.1f} MiB, "
              f"ratio {mp / mb:.2f}")
    finally:
        xvfb.terminate()
        shutil.rmtree(work)

main()
