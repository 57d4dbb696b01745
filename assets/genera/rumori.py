# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesises one card noise from its line in the noise table.

A line: name, length in ms, peak, seed, then events separated by '|':
  fruscio t= a= h= d= f= f2= q= g=   band-passed noise: starts at t ms, rises over a ms, holds h ms,
                                     then decays with time constant d ms; the band slides from f to f2 Hz
  tonfo t= f= d= g=                  damped sine: the table's body answering a slap
The whole is scaled to the peak, and faded over its last 8 ms so that it ends without a click.
"""
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(__file__))
import comune  # noqa: E402
from comune import RATE, fail, wav_info, write_wav  # noqa: E402


def parse(path, name):
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            parts = [p.strip() for p in line.split("|")]
            head = parts[0].split()
            if head[0] != name:
                continue
            events = []
            for p in parts[1:]:
                words = p.split()
                events.append((words[0], {k: float(v) for k, v in (w.split("=") for w in words[1:])}))
            return int(head[1]), float(head[2]), int(head[3]), events
    fail(f"{name}: not in {path}")


def fruscio(out, rng, t=0, a=5, h=0, d=30, f=2000, f2=None, q=0.8, g=1.0):
    f2 = f if f2 is None else f2
    start = int(t * RATE / 1000)
    n = len(out) - start
    a_n, h_n = max(1, int(a * RATE / 1000)), int(h * RATE / 1000)
    decay = math.exp(-1000.0 / (d * RATE))
    x1 = x2 = y1 = y2 = 0.0
    env_tail = 1.0
    span = max(1, a_n + h_n + int(3 * d * RATE / 1000))
    for i in range(n):
        if i < a_n:
            env = i / a_n
        elif i < a_n + h_n:
            env = 1.0
        else:
            env_tail *= decay
            env = env_tail
            if env < 1e-4:
                break
        # band-pass biquad (constant peak gain), its centre sliding along the event
        fc = f + (f2 - f) * min(1.0, i / span)
        w0 = 2 * math.pi * fc / RATE
        alpha = math.sin(w0) / (2 * q)
        a0 = 1 + alpha
        x0 = rng.uniform(-1, 1)
        y0 = (alpha * x0 - alpha * x2 - (-2 * math.cos(w0)) * y1 - (1 - alpha) * y2) / a0
        x2, x1, y2, y1 = x1, x0, y1, y0
        out[start + i] += g * env * y0


def tonfo(out, rng, t=0, f=150, d=40, g=1.0):
    start = int(t * RATE / 1000)
    decay = math.exp(-1000.0 / (d * RATE))
    env = 1.0
    phase = rng.uniform(0, math.pi)
    for i in range(len(out) - start):
        env *= decay
        if env < 1e-4:
            break
        out[start + i] += g * env * math.sin(phase + 2 * math.pi * f * i / RATE)


def main():
    if len(sys.argv) != 4:
        fail("usage: rumori.py TABLE NAME OUT.wav")
    table, name, out_path = sys.argv[1:]
    comune.output = out_path
    length_ms, peak, seed, events = parse(table, name)
    rng = random.Random(seed)
    out = [0.0] * round(length_ms * RATE / 1000)
    for kind, params in events:
        {"fruscio": fruscio, "tonfo": tonfo}.get(kind, lambda *a, **k: fail(f"{name}: unknown event {kind}"))(
            out, rng, **params)
    top = max(abs(s) for s in out)
    if top == 0:
        fail(f"{name}: silent")
    fade = int(0.008 * RATE)
    for i in range(fade):
        out[-1 - i] *= i / fade
    write_wav(out_path, [s * peak / top for s in out])
    ms, rms, _, _ = wav_info(out_path)
    if abs(ms - length_ms) > 1 or rms < 0.003:
        fail(f"{name}: {ms:.1f} ms, RMS {rms:.4f}")


if __name__ == "__main__":
    main()
