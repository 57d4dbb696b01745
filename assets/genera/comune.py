# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading back what the generators write: lengths, loudness and notes, stdlib only."""
import array
import os
import struct
import sys
import wave

RATE = 44100


# The file being made: removed on failure, so that a half-made file never passes for a good one.
output = None


def fail(msg):
    sys.stderr.write(f"error: {msg}\n")
    if output and os.path.exists(output):
        os.remove(output)
    sys.exit(1)


def write_wav(path, samples, rate=RATE):
    """samples: floats in [-1, 1], mono."""
    pcm = array.array("h", (max(-32767, min(32767, int(round(s * 32767)))) for s in samples))
    if sys.byteorder != "little":
        pcm.byteswap()
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(pcm.tobytes())


def wav_info(path):
    """(length in ms, RMS of all channels in [0, 1], sample rate, bits)."""
    with wave.open(path, "rb") as w:
        frames, rate, width, ch = w.getnframes(), w.getframerate(), w.getsampwidth(), w.getnchannels()
        data = w.readframes(frames)
    if width != 2:
        return frames * 1000.0 / rate, 0.0, rate, width * 8
    pcm = array.array("h")
    pcm.frombytes(data)
    if sys.byteorder != "little":
        pcm.byteswap()
    rms = (sum(x * x for x in pcm) / max(1, len(pcm))) ** 0.5 / 32768.0
    return frames * 1000.0 / rate, rms, rate, 16


def _varlen(data, pos):
    value = 0
    while True:
        b = data[pos]
        pos += 1
        value = (value << 7) | (b & 0x7F)
        if not b & 0x80:
            return value, pos


def midi_info(path):
    """(length in ms up to the last event of any track, number of sounding notes).

    Tempo changes from any track apply to all of them, as in a format 1 file."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != b"MThd":
        raise ValueError(f"{path}: not a MIDI file")
    hlen = struct.unpack(">I", data[4:8])[0]
    _fmt, ntracks, division = struct.unpack(">HHH", data[8:14])
    if division & 0x8000:
        raise ValueError(f"{path}: SMPTE time division not handled")
    pos = 8 + hlen
    tempos = []  # (tick, microseconds per quarter)
    last_tick = 0
    notes = 0
    for _ in range(ntracks):
        if data[pos:pos + 4] != b"MTrk":
            raise ValueError(f"{path}: bad track header")
        tlen = struct.unpack(">I", data[pos + 4:pos + 8])[0]
        p, end = pos + 8, pos + 8 + tlen
        tick, status = 0, 0
        while p < end:
            delta, p = _varlen(data, p)
            tick += delta
            b = data[p]
            if b & 0x80:
                status = b
                p += 1
            if status == 0xFF:
                kind = data[p]
                length, p = _varlen(data, p + 1)
                if kind == 0x51:
                    tempos.append((tick, int.from_bytes(data[p:p + 3], "big")))
                p += length
            elif status in (0xF0, 0xF7):
                length, p = _varlen(data, p)
                p += length
            else:
                kind = status & 0xF0
                size = 1 if kind in (0xC0, 0xD0) else 2
                if kind == 0x90 and data[p + 1] > 0:
                    notes += 1
                p += size
        last_tick = max(last_tick, tick)
        pos = end
    tempos.sort()
    us, at_tick, tempo = 0.0, 0, 500000
    for t, new in tempos:
        if t >= last_tick:
            break
        us += (t - at_tick) * tempo / division
        at_tick, tempo = t, new
    us += (last_tick - at_tick) * tempo / division
    return us / 1000.0, notes
