#!/usr/bin/env python3
"""Synthesises the sounds of data/Sound from the note sequences in sounds.txt.

Usage: make_sounds.py [OUTPUT_DIR]   (default: data/Sound of this repository)

Each file is 16-bit mono PCM. Every note of a sequence starts at its time and rings out
with the instrument's decay; the notes are summed, scaled to the given peak and faded out
at the end, so no file starts or ends with a click. Instruments:
  marimba  a struck bar: the fundamental and its fourth and tenth partials, which die
           away quickly, with a short mallet tap
  bell     frequency-modulated bell with an inharmonic shimmer that fades first
  blip     a sine whose pitch glides upward
  buzz     a soft square-like tone with only low odd harmonics
  knock    a very short woody thump
"""
import math
import os
import random
import re
import sys

sys.dont_write_bytecode = True  # keep the source folder free of __pycache__
import artlib  # noqa: E402

NOTE_INDEX = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def frequency(name):
    """Equal temperament, A4 = 440 Hz; C4 is middle C."""
    m = re.fullmatch(r"([A-G])(#|b)?(-?\d)", name)
    if not m:
        raise ValueError(f"not a note: {name!r}")
    semitone = NOTE_INDEX[m.group(1)] + {"#": 1, "b": -1, None: 0}[m.group(2)]
    midi = 12 * (int(m.group(3)) + 1) + semitone
    return 440.0 * 2 ** ((midi - 69) / 12)


def parse_notes(text):
    """'C5/0.1 E5+G5/0.3 -/0.1' -> [(start seconds, [frequencies])]."""
    events, t = [], 0.0
    for item in text.split():
        notes, step = item.split("/")
        if notes != "-":
            events.append((t, [frequency(n) for n in notes.split("+")]))
        t += float(step)
    return events


def attack(t, seconds=0.003):
    return min(1.0, t / seconds)


def marimba(f, t, p, noise):
    d = p["decay"]
    tone = (math.sin(2 * math.pi * f * t) * math.exp(-t / (d * 2.2))
            + 0.35 * math.sin(2 * math.pi * 4.0 * f * t) * math.exp(-t / (d * 0.6))
            + 0.10 * math.sin(2 * math.pi * 9.9 * f * t) * math.exp(-t / (d * 0.25)))
    tap = 0.25 * attack(t, 0.0007) * noise * math.exp(-t / 0.002)
    return attack(t, 0.0015) * tone + tap


def bell(f, t, p, noise):
    d = p["decay"]
    index = 2.2 * math.exp(-t / (d * 0.35))
    body = math.sin(2 * math.pi * f * t + index * math.sin(2 * math.pi * f * 3.5 * t))
    shimmer = 0.25 * math.sin(2 * math.pi * f * 2.76 * t) * math.exp(-t / (d * 0.3))
    return attack(t) * (body * math.exp(-t / d) + shimmer)


def blip(f, t, p, noise):
    d = p["decay"]
    glide = p.get("glide", 1.0)
    # Phase of a sine whose frequency rises exponentially by `glide` over 2 * decay.
    k = math.log(glide) / (2 * d) if glide != 1.0 else 0.0
    phase = 2 * math.pi * f * (t if k == 0 else (math.exp(k * t) - 1) / k)
    return attack(t, 0.002) * math.sin(phase) * math.exp(-t / d)


def buzz(f, t, p, noise):
    d = p["decay"]
    wave = sum(math.sin(2 * math.pi * f * h * t) / h for h in (1, 3, 5, 7)) * 0.8
    return attack(t, 0.006) * wave * math.exp(-t / (d * 2.0))


def knock(f, t, p, noise):
    d = p["decay"]
    return attack(t, 0.001) * (math.sin(2 * math.pi * f * t) * math.exp(-t / d)
                               + 0.4 * noise * math.exp(-t / 0.004))


INSTRUMENTS = {"marimba": marimba, "bell": bell, "blip": blip, "buzz": buzz, "knock": knock}


def synthesise(p):
    rate = p["rate"]
    count = int(round(p["length"] * rate))
    out = [0.0] * count
    rng = random.Random(1)
    noise = [rng.uniform(-1, 1) for _ in range(count)]
    instrument = INSTRUMENTS[p["instrument"]]
    for start, freqs in parse_notes(p["notes"]):
        first = int(round(start * rate))
        for f in freqs:
            for i in range(first, count):
                out[i] += instrument(f, (i - first) / rate, p, noise[i - first])
    # Smooth the mallet noise a little: a one-pole low-pass keeps the tap soft.
    smoothed, prev = [], 0.0
    for s in out:
        prev += 0.6 * (s - prev)
        smoothed.append(prev)
    peak = max(abs(s) for s in smoothed) or 1.0
    fade = min(count, int(0.012 * rate))
    result = []
    for i, s in enumerate(smoothed):
        g = p["volume"] / peak
        if i >= count - fade:
            g *= (count - 1 - i) / fade
        result.append(s * g)
    return result


def parse(fields):
    p = {
        "instrument": fields["instrument"],
        "notes": fields["notes"],
        "decay": float(fields["decay"]),
        "length": float(fields["length"]),
        "volume": float(fields["volume"]),
        "rate": int(fields.get("rate", "22050")),
    }
    if "glide" in fields:
        p["glide"] = float(fields["glide"])
    if p["instrument"] not in INSTRUMENTS:
        raise ValueError(f"unknown instrument {p['instrument']!r}")
    return p


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "..", "data", "Sound")
    os.makedirs(out, exist_ok=True)
    for name, fields in artlib.read_sections(os.path.join(here, "sounds.txt")):
        p = parse(fields)
        artlib.write_wav16(os.path.join(out, name), p["rate"], synthesise(p))
        print(f"sound: {name}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
