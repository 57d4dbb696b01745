# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns one ABC tune into the game's MIDI file, arranged to last a given time.

The ABC file says how long the piece must last ("% durata: MS", the whole piece) and may list the
melody's instruments verse by verse ("% strumenti: 21 71 25"). The tune body (everything after K:,
voice by voice) is repeated as many times as brings it nearest that length, and the tempo is then
nudged so that it lands on it. abc2midi exits 0 on many errors: its messages are read, and the MIDI
file must hold notes and the right length.
"""
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(__file__))
import comune  # noqa: E402
from comune import fail, midi_info  # noqa: E402

TOLERANCE = 0.02


def parse(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    meta = {}
    for line in lines:
        m = re.match(r"%\s*(durata|strumenti|ripetizioni):\s*(.*)", line)
        if m:
            meta[m.group(1)] = m.group(2).split()
    try:
        k = next(i for i, l in enumerate(lines) if l.startswith("K:"))
    except StopIteration:
        fail(f"{path}: no K: line")
    header, body = lines[:k + 1], lines[k + 1:]
    q = next((re.match(r"Q:\s*(\d+/\d+)\s*=\s*(\d+)", l) for l in header if l.startswith("Q:")), None)
    if not q:
        fail(f"{path}: the header needs a tempo as Q:1/4=N")
    # the body voice by voice: a V: line opens each voice's music
    voices, current = [], None
    for line in body:
        if line.startswith("%") and not line.startswith("%%"):
            continue
        if line.startswith("V:") or current is None:
            current = [line] if line.startswith("V:") else [line]
            voices.append(current)
        else:
            current.append(line)
    if "durata" not in meta:
        fail(f"{path}: no '% durata:' line")
    return header, voices, q.group(1), int(q.group(2)), meta


def render(header, voices, unit, tempo, times, programs):
    out = [l if not l.startswith("Q:") else f"Q:{unit}={tempo}" for l in header]
    for v, lines in enumerate(voices):
        opener = lines[:1] if lines[0].startswith("V:") else []
        music = lines[len(opener):]
        out += opener
        for t in range(times):
            if v == 0 and programs:
                out.append(f"%%MIDI program {programs[t % len(programs)]}")
            out += music
    return "\n".join(out) + "\n"


def abc2midi(tool, text, abc_path, mid_path):
    with open(abc_path, "w", encoding="utf-8") as f:
        f.write(text)
    r = subprocess.run([tool, abc_path, "-o", mid_path], capture_output=True, text=True)
    said = (r.stdout + r.stderr).strip()
    bad = [l for l in said.splitlines() if re.search(r"error|warning", l, re.I)]
    if r.returncode != 0 or bad or not os.path.exists(mid_path):
        fail(f"abc2midi on {abc_path}:\n{said}")
    ms, notes = midi_info(mid_path)
    if notes == 0 or ms <= 0:
        fail(f"{mid_path}: no notes")
    return ms


def main():
    if len(sys.argv) != 4:
        fail("usage: musica.py ABC2MIDI TUNE.abc OUT.mid")
    tool, source, out = sys.argv[1:]
    comune.output = out
    header, voices, unit, tempo, meta = parse(source)
    target = float(meta["durata"][0])
    programs = meta.get("strumenti", [])
    work = out + ".abc"
    try:
        once = abc2midi(tool, render(header, voices, unit, tempo, 1, programs), work, out)
        times = int(meta["ripetizioni"][0]) if "ripetizioni" in meta else max(1, round(target / once))
        new_tempo = round(tempo * times * once / target)
        if not 0.7 * tempo <= new_tempo <= 1.4 * tempo:
            fail(f"{source}: {times} times at {new_tempo} strays too far from {tempo}; lengthen or shorten the tune")
        ms = abc2midi(tool, render(header, voices, unit, new_tempo, times, programs), work, out)
    finally:
        if os.path.exists(work):
            os.remove(work)
    if abs(ms - target) > TOLERANCE * target:
        fail(f"{source}: {ms:.0f} ms, wanted {target:.0f}")


if __name__ == "__main__":
    main()
