#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesises the two answer sounds into resources/sounds/ (16-bit PCM mono,
22050 Hz). No randomness: the output is the same on every run.

Plum: a bright two-note chime (a rising major third, bell-like partials).
Plim: a short soft low tone that glides down, for a wrong answer.
"""
import math
import pathlib
import struct
import wave

RATE = 22050
OUT = pathlib.Path(__file__).resolve().parent.parent.parent / "resources" / "sounds"


def bell(freq, start, length, total, decay):
    """Samples of a bell-like note: a fundamental with softer upper partials."""
    partials = ((1.0, 1.0), (2.0, 0.35), (3.0, 0.12), (4.2, 0.05))
    samples = [0.0] * total
    first = int(start * RATE)
    for i in range(int(length * RATE)):
        t = i / RATE
        attack = min(1.0, t / 0.004)
        value = sum(a * math.sin(2 * math.pi * freq * k * t) * math.exp(-decay * k * t)
                    for k, a in partials)
        if first + i < total:
            samples[first + i] += attack * value
    return samples


def plum():
    length = 0.75
    total = int(length * RATE)
    low = bell(1318.5, 0.0, 0.45, total, 7.0)   # E6
    high = bell(1661.2, 0.11, 0.64, total, 5.0)  # G#6
    return [0.6 * a + 0.7 * b for a, b in zip(low, high)]


def plim():
    length = 0.35
    total = int(length * RATE)
    samples = []
    phase = 0.0
    for i in range(total):
        t = i / RATE
        freq = 330.0 - 110.0 * (t / length)  # glides from E4 down to A3
        phase += 2 * math.pi * freq / RATE
        envelope = min(1.0, t / 0.02) * min(1.0, (length - t) / 0.12)
        samples.append(envelope * (math.sin(phase) + 0.25 * math.sin(2 * phase)))
    return samples


def fade_out(samples, seconds=0.05):
    """Brings the last samples smoothly to silence so the sound ends without a click."""
    count = int(seconds * RATE)
    for i in range(count):
        samples[-1 - i] *= i / count
    return samples


def write(name, samples, peak):
    samples = fade_out(samples)
    scale = peak / max(abs(s) for s in samples)
    frames = b"".join(struct.pack("<h", round(s * scale * 32767)) for s in samples)
    OUT.mkdir(parents=True, exist_ok=True)
    with wave.open(str(OUT / name), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)
    print(f"{name}: {len(samples) / RATE:.2f} s")


if __name__ == "__main__":
    write("Plum.wav", plum(), 0.7)
    write("Plim.wav", plim(), 0.5)
