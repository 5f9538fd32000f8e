#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
"""Where the resident memory of the program and of the bare Qt window lies.

Starts both under one Xvfb (1024 x 768), waits until their windows are up,
reads /proc/PID/smaps and prints the resident kibibytes of every mapped file
(and of anonymous memory) side by side, largest difference first.
Usage: bench/breakdown.py BUILD_DIR [SECONDS_TO_WAIT]
"""
import collections, os, shutil, subprocess, sys, tempfile, time

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
wait = float(sys.argv[2]) if len(sys.argv) > 2 else 3.0
root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

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
    display = ":98"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24"],
                            stderr=subprocess.DEVNULL)
    time.sleep(1.5)
    work = tempfile.mkdtemp()
    try:
        shutil.copytree(os.path.join(root, "content"), work, dirs_exist_ok=True)
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
        program = measure([os.path.join(build, "src", "terravika")], work, env)
        bare = measure([os.path.join(build, "bench", "bare_window"), "--stay"], work, env)
        names = sorted(set(program) | set(bare), key=lambda n: bare[n] - program[n])
        print(f"{'mapping':40} {'program':>10} {'bare':>10}  (resident KiB)")
        for name in names:
            if program[name] or bare[name]:
                print(f"{name[:40]:40} {program[name]:10} {bare[name]:10}")
        print(f"{'total':40} {sum(program.values()):10} {sum(bare.values()):10}")
    finally:
        xvfb.terminate()
        shutil.rmtree(work)

main()
