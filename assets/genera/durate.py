# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes Durate.txt: every generated clip, noise and tune with its length in ms, measured from
the files themselves, so that the game's end timers follow whatever the generators made."""
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from comune import fail, midi_info, wav_info  # noqa: E402


def main():
    if len(sys.argv) != 3:
        fail("usage: durate.py MEDIA_ROOT LIST")
    root, listing = sys.argv[1:]
    with open(listing, encoding="utf-8") as f:
        names = [l.strip() for l in f if l.strip()]
    rows = []
    for name in names:
        path = os.path.join(root, *name.split("/"))
        if not os.path.isfile(path):
            fail(f"{name}: missing")
        if name.lower().endswith(".wav"):
            ms, rms, _, _ = wav_info(path)
            if rms < 0.003:
                fail(f"{name}: silent (RMS {rms:.4f})")
        else:
            ms, notes = midi_info(path)
            if notes == 0:
                fail(f"{name}: no notes")
        rows.append(f"{name}\t{round(ms)}\n")
    out = os.path.join(root, "Durate.txt")
    with open(out + ".tmp", "w", encoding="utf-8", newline="\n") as f:
        f.writelines(rows)
    os.replace(out + ".tmp", out)


if __name__ == "__main__":
    main()
