# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the start-up scripts share: the program and the bare window of a build
folder, run under one Xvfb (1024 x 768) in a copy of content/."""
import contextlib, os, shutil, subprocess, sys, tempfile, time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

def argument(index, default):
    return sys.argv[index] if len(sys.argv) > index else default

def program(build):
    return os.path.join(build, "src", "terravika")

def bare_window(build):
    return os.path.join(build, "bench", "bare_window")

@contextlib.contextmanager
def xvfb_with_content(display):
    """Yields the copy's folder and the environment that runs on the display."""
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24"],
                            stderr=subprocess.DEVNULL)
    time.sleep(1.5)
    work = tempfile.mkdtemp()
    try:
        shutil.copytree(os.path.join(ROOT, "content"), work, dirs_exist_ok=True)
        yield work, dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
    finally:
        xvfb.terminate()
        shutil.rmtree(work)
