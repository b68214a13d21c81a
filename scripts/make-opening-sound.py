#!/usr/bin/env python3
"""Synthesises the opening sound ORDEMO.WAV: a few seconds of chimes, a rising arpeggio of bells
that ends on a soft chord. Only the standard library is used, and the output is the same on every
run, so the committed file can always be made again:

    scripts/make-opening-sound.py assets/sound/ORDEMO.WAV
"""

import math
import struct
import sys
import wave

RATE = 22050
LENGTH = 3.6  # seconds

# A bell: a few inharmonic partials (ratio to the fundamental, loudness, how fast it fades).
PARTIALS = [(1.0, 1.0, 2.2), (2.0, 0.45, 3.5), (2.76, 0.30, 5.0), (5.4, 0.12, 8.0)]

# (start in seconds, note in semitones above A4, loudness)
NOTES = [
    (0.00, 3, 0.55),   # C5
    (0.18, 7, 0.55),   # E5
    (0.36, 10, 0.55),  # G5
    (0.54, 15, 0.60),  # C6
    (0.90, 14, 0.45),  # B5
    (1.08, 10, 0.45),  # G5
    (1.26, 15, 0.55),  # C6
    (1.70, 3, 0.40),   # the closing chord: C5, E5, G5, C6
    (1.70, 7, 0.40),
    (1.70, 10, 0.40),
    (1.70, 15, 0.45),
]


def frequency(semitones):
    return 440.0 * 2.0 ** (semitones / 12.0)


def samples():
    count = int(RATE * LENGTH)
    mix = [0.0] * count
    for start, note, loudness in NOTES:
        base = frequency(note)
        first = int(start * RATE)
        for i in range(first, count):
            t = (i - first) / RATE
            attack = min(1.0, t / 0.004)  # no click at the strike
            value = 0.0
            for ratio, level, fade in PARTIALS:
                value += level * math.exp(-fade * t) * math.sin(2.0 * math.pi * base * ratio * t)
            mix[i] += loudness * attack * value
    # A gentle fade over the last half second, then scale to three quarters of full range.
    tail = int(0.5 * RATE)
    for i in range(count - tail, count):
        mix[i] *= (count - i) / tail
    peak = max(abs(v) for v in mix) or 1.0
    return [int(32767 * 0.75 * v / peak) for v in mix]


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make-opening-sound.py OUTPUT.WAV")
    with wave.open(sys.argv[1], "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", s) for s in samples()))


if __name__ == "__main__":
    main()
