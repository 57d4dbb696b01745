# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the generated media against the game's figures: every file the game asks for is there
and in Durate.txt with its true length, the fixed lengths hold, tunes last twice their half-length,
nothing is silent. Usage: controlla_media.py MEDIA_ROOT"""
import array
import hashlib
import os
import struct
import sys
import wave

NOISES = {"liscio": 338, "fante": 338, "cavallo": 360, "re": 376, "tre": 262, "asso": 356}
FIXED = {"Commenti/2v/2v01.wav": 1893, "Commenti/2v/2v02.wav": 1644, "Commenti/2v/2v03.wav": 1094,
         "Commenti/2v/2v04.wav": 3037, "Commenti/2v/2v05.wav": 1682, "Commenti/2v/2v06.wav": 1313,
         "Commenti/Inizio/Inizio01.wav": 3414, "Commenti/Inizio/Inizio02.wav": 4999,
         "Commenti/Inizio/Inizio03.wav": 3095}
GROUPS = {"1p": 24, "1v": 30, "2p": 24, "2v": 28, "Impaz": 24, "Inizio": 24, "Fine": 20}
HALF = [52625, 38500, 43630, 51000, 53000, 60500, 41080, 48500, 30600, 32635, 31595,
        46500, 42095, 48500, 30555, 46070, 42625, 54065, 34000, 47115, 57000]
CEREMONY_MS = 31500  # the continue button comes at the flag's 45th firing of 700 ms
ANTHEM_START_MS = 10  # TimerIniziaInno
THEME_MS = 81400

failures = []


def check(ok, msg):
    if not ok:
        failures.append(msg)


def expected():
    names = [f"Rumori/{n}.wav" for n in NOISES]
    names += [f"Rumori/carta{i}.wav" for i in range(1, 5)] + ["Rumori/Presa1.wav", "Rumori/Presa2.wav"]
    for g, n in GROUPS.items():
        names += [f"Commenti/{g}/{g}{i:02d}.wav" for i in range(1, n + 1)]
    names += [f"Musiche/MelPop{i:02d}.mid" for i in range(1, 22)]
    return names + ["Musiche/Mameli.mid", "Musiche/GodSave.mid", "Musiche/MVeSigla.Mid"]


def wav(path):
    """(ms, rms, peak, rate, bits), all channels pooled."""
    with wave.open(path, "rb") as w:
        n, rate, width = w.getnframes(), w.getframerate(), w.getsampwidth()
        raw = w.readframes(n)
    if width != 2:
        return n * 1000 / rate, 0.0, 0.0, rate, width * 8
    pcm = array.array("h")
    pcm.frombytes(raw)
    if sys.byteorder != "little":
        pcm.byteswap()
    rms = (sum(x * x for x in pcm) / max(1, len(pcm))) ** 0.5 / 32768
    return n * 1000 / rate, rms, max(map(abs, pcm), default=0) / 32768, rate, 16


def midi(path):
    """(ms at the last event, notes, channels with notes): its own reading, not the generator's."""
    data = open(path, "rb").read()
    assert data[:4] == b"MThd", "not a MIDI file"
    ntracks, division = struct.unpack(">HH", data[10:14])
    events, notes, channels = [], 0, set()
    pos = 8 + struct.unpack(">I", data[4:8])[0]
    for _ in range(ntracks):
        size = struct.unpack(">I", data[pos + 4:pos + 8])[0]
        p, end, tick, status = pos + 8, pos + 8 + size, 0, 0

        def var():
            nonlocal p
            v = 0
            while True:
                b = data[p]
                p += 1
                v = (v << 7) | (b & 127)
                if b < 128:
                    return v
        while p < end:
            tick += var()
            if data[p] >= 0x80:
                status = data[p]
                p += 1
            if status == 0xFF:
                kind = data[p]
                p += 1
                n = var()
                if kind == 0x51:
                    events.append((tick, int.from_bytes(data[p:p + 3], "big")))
                p += n
            elif status in (0xF0, 0xF7):
                p += var()
            else:
                if status & 0xF0 == 0x90 and data[p + 1]:
                    notes += 1
                    channels.add(status & 15)
                p += 1 if status & 0xF0 in (0xC0, 0xD0) else 2
        events.append((tick, None))
        pos = end
    last = max(t for t, _ in events)
    ms, at, tempo = 0.0, 0, 500000
    for t, new in sorted((e for e in events if e[1] is not None)):
        ms += (t - at) * tempo / division / 1000
        at, tempo = t, new
    return ms + (last - at) * tempo / division / 1000, notes, len(channels)


def main():
    root = sys.argv[1]
    table_path = os.path.join(root, "Durate.txt")
    if not os.path.isfile(table_path):
        sys.exit(f"FAIL: {table_path} missing")
    table = {}
    for line in open(table_path, encoding="utf-8"):
        name, ms = line.rstrip("\n").split("\t")
        check(name not in table, f"{name} listed twice")
        table[name] = int(ms)
    names = expected()
    check(sorted(table) == sorted(names), f"Durate.txt lists {sorted(set(table) ^ set(names))} wrongly")

    measured, digests = {}, {}
    for name in names:
        path = os.path.join(root, *name.split("/"))
        if not os.path.isfile(path):
            check(False, f"{name} missing")
            continue
        digests.setdefault(hashlib.sha1(open(path, "rb").read()).hexdigest(), []).append(name)
        if name.endswith(".wav"):
            ms, rms, peak, rate, bits = wav(path)
            check(rate == 44100 and bits == 16, f"{name}: {rate} Hz {bits} bit")
            check(rms > 0.005, f"{name}: silent, RMS {rms:.4f}")
            measured[name] = (ms, peak)
        else:
            ms, notes, channels = midi(path)
            check(notes > 50, f"{name}: only {notes} notes")
            check(channels >= 2, f"{name}: no accompaniment ({channels} channel)")
            measured[name] = (ms, None)
        check(abs(table.get(name, -10) - ms) <= 1, f"{name}: table says {table.get(name)}, file lasts {ms:.0f}")
    for same in digests.values():
        check(len(same) == 1, f"identical files: {same}")

    def ms(name):
        return measured.get(name, (float("nan"), 0))[0]
    for noise, want in NOISES.items():
        check(abs(ms(f"Rumori/{noise}.wav") - want) <= 1, f"{noise}.wav lasts {ms(f'Rumori/{noise}.wav'):.1f}, not {want}")
    peaks = [measured.get(f"Rumori/{n}.wav", (0, 0))[1] for n in NOISES]
    check(peaks == sorted(peaks), f"a stronger card should sound louder: peaks {peaks}")
    for i in range(1, 5):
        check(150 <= ms(f"Rumori/carta{i}.wav") <= 300, f"carta{i}.wav lasts {ms(f'Rumori/carta{i}.wav'):.0f}")
    for i in (1, 2):
        check(400 <= ms(f"Rumori/Presa{i}.wav") <= 700, f"Presa{i}.wav lasts {ms(f'Rumori/Presa{i}.wav'):.0f}")
    for name, want in FIXED.items():
        check(abs(ms(name) - want) <= 1, f"{name} lasts {ms(name):.1f}, not {want}")
    for g in GROUPS:
        for name in (n for n in names if n.startswith(f"Commenti/{g}/")):
            check(400 <= ms(name) <= 8000, f"{name} lasts {ms(name):.0f}")
    for i, half in enumerate(HALF, 1):
        name = f"Musiche/MelPop{i:02d}.mid"
        check(abs(ms(name) - 2 * half) <= 0.05 * 2 * half, f"{name} lasts {ms(name):.0f}, not about {2 * half}")
    # The anthem ends, cadence and all, before the continue button; yet it fills most of the flag's time.
    for name in ("Musiche/Mameli.mid", "Musiche/GodSave.mid"):
        check(0.8 * CEREMONY_MS <= ANTHEM_START_MS + ms(name) < CEREMONY_MS,
              f"{name} lasts {ms(name):.0f}: the button comes at {CEREMONY_MS}")
    check(abs(ms("Musiche/MVeSigla.Mid") - THEME_MS) <= 0.05 * THEME_MS, f"theme lasts {ms('Musiche/MVeSigla.Mid'):.0f}")

    for f in failures:
        print("FAIL:", f)
    print(f"{len(names)} files checked, {len(failures)} failures")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
