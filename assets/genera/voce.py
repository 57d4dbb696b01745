# SPDX-License-Identifier: GPL-3.0-or-later
"""Speaks one line of a group's text file as Mr. VELTO and writes it as a 44.1 kHz 16-bit WAV.

Lines are numbered from 1, skipping blanks and '#' comments. A line may start with a length in
brackets, "[1893] text": the clip is then fitted to exactly that many ms, sped up with sox's tempo
(pitch unchanged) when the voice runs longer, padded with silence when it runs shorter.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
import comune  # noqa: E402
from comune import RATE, fail, wav_info  # noqa: E402

# An old card player: grandpa's slight flutter, low pitch, unhurried.
VOICE = ["-v", "it+grandpa", "-p", "38", "-s", "150", "-g", "2"]
# Clean the synthetic edges, a small room, leave a breath before and after.
POLISH = ["gain", "-4", "highpass", "70", "silence", "1", "0.02", "0.5%", "reverse", "silence", "1", "0.02", "0.5%", "reverse",
          "reverb", "12", "60", "25", "norm", "-1", "pad", "0.04", "0.06"]


def line_of(path, index):
    with open(path, encoding="utf-8") as f:
        lines = [l.strip() for l in f if l.strip() and not l.lstrip().startswith("#")]
    if not 1 <= index <= len(lines):
        fail(f"{path}: no line {index} (has {len(lines)})")
    m = re.match(r"\[(\d+)\]\s*(.*)", lines[index - 1])
    return (m.group(2), int(m.group(1))) if m else (lines[index - 1], None)


def run(cmd):
    r = subprocess.run(cmd, capture_output=True, text=True)
    if r.returncode != 0:
        fail(f"{' '.join(cmd)}: {r.stderr.strip()}")


def speak(espeak, sox, text, target, raw, mid, out):
    run([espeak, *VOICE, "-w", raw, text])
    # -D: no dither. sox adds random noise by default when it writes 16 bits, and two builds
    # would then never give the same clips.
    run([sox, "-D", raw, "-r", str(RATE), "-b", "16", "-c", "1", mid, *POLISH])
    ms = wav_info(mid)[0]
    if target is None:
        shutil.move(mid, out)
    else:
        effects = []
        if ms > target:
            effects += ["tempo", "-s", f"{ms / target:.5f}"]
        # tempo lands near the target, never on the sample: cut or pad to the exact count
        effects += ["pad", "0", f"{target / 1000:.3f}", "trim", "0", f"{round(target * RATE / 1000)}s"]
        run([sox, "-D", mid, out, *effects])


def main():
    if len(sys.argv) != 6:
        fail("usage: voce.py ESPEAK SOX TEXTS INDEX OUT.wav")
    espeak, sox, texts, index, out = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4]), sys.argv[5]
    comune.output = out
    text, target = line_of(texts, index)
    # the intermediate files stay out of the media folder, which is installed by pattern
    with tempfile.TemporaryDirectory() as work:
        speak(espeak, sox, text, target, os.path.join(work, "grezzo.wav"), os.path.join(work, "medio.wav"), out)
    ms, rms, rate, bits = wav_info(out)
    if rate != RATE or bits != 16 or rms < 0.01:
        fail(f"{out}: {rate} Hz, {bits} bit, RMS {rms:.4f}: silent or malformed")
    if target is not None and abs(ms - target) > 1:
        fail(f"{out}: {ms:.1f} ms, wanted {target}")


if __name__ == "__main__":
    main()
