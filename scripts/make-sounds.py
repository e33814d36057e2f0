#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generates the game's five default sound files (synthesised, 16-bit mono)."""
import math
import random
import struct
import sys
import wave
from pathlib import Path

RATE = 22050


def write(path, samples):
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", max(-32767, min(32767, int(s * 32767)))) for s in samples))


def knock(freq, length, decay, noise=0.0, seed=1):
    rng = random.Random(seed)
    n = int(RATE * length)
    out = []
    for i in range(n):
        t = i / RATE
        env = math.exp(-t * decay)
        tone = math.sin(2 * math.pi * freq * t) * 0.6 + math.sin(2 * math.pi * freq * 2.7 * t) * 0.2
        out.append(env * (tone + noise * (rng.random() * 2 - 1)))
    return out


def silence(length):
    return [0.0] * int(RATE * length)


def notes(freqs, each):
    out = []
    for f in freqs:
        n = int(RATE * each)
        for i in range(n):
            t = i / RATE
            env = min(1.0, t * 60) * math.exp(-t * 5)
            out.append(0.45 * env * (math.sin(2 * math.pi * f * t) + 0.3 * math.sin(2 * math.pi * 2 * f * t)))
    return out


def main(folder):
    folder = Path(folder)
    folder.mkdir(parents=True, exist_ok=True)
    dice = []
    for k, gap in enumerate([0.0, 0.06, 0.05, 0.08, 0.04]):
        dice += silence(gap) + knock(900 + 140 * k, 0.05, 70, noise=0.5, seed=k)
    write(folder / "dice.wav", dice)
    write(folder / "piece.wav", knock(520, 0.09, 45, noise=0.15))
    write(folder / "hit.wav", knock(300, 0.16, 28, noise=0.35, seed=7) + knock(700, 0.06, 60, noise=0.2, seed=8))
    write(folder / "youwin.wav", notes([523.25, 659.25, 783.99, 1046.5], 0.16))
    write(folder / "youlose.wav", notes([392.0, 349.23, 311.13, 261.63], 0.2))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/sounds")
