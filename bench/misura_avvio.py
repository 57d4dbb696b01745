#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up time and memory of the game, measured on the real program from exec:

    bench/misura_avvio.py [build/mrvelto] [--volte 20]

- from exec to the first drawn frame of the start-up window, and to the first drawn table (the
  autoplay types the name at once), median and range over --volte runs;
- the peak resident memory of a whole match played by the autoplay, once with sound sent to the
  device (or to silence when there is none) and once rendering it into a capture file.

The program runs offscreen (no display needed) on a scratch home folder; goals: under 300 ms and
under 80 MB.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time


def ambiente(casa):
    env = dict(os.environ)
    env.update({"QT_QPA_PLATFORM": "offscreen", "MRVELTO_HOME": casa, "MRVELTO_TEMPI_AVVIO": "1"})
    return env


def avvio(programma, casa):
    """Milliseconds from exec to the first frame of each window, for one run."""
    t0 = time.time_ns()
    p = subprocess.Popen([programma, "--autoplay", "--fast", "--matches", "1", "--name", "Misura"],
                         env=ambiente(casa), stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    tempi = {}
    for riga in p.stderr:
        parti = riga.split()
        if len(parti) == 3 and parti[0] == "tempo":
            tempi[parti[1]] = (int(parti[2]) - t0) / 1e6
        if len(tempi) == 2:
            break
    p.kill()
    p.wait()
    if len(tempi) != 2:
        sys.exit(f"misura_avvio: {programma} non ha disegnato le sue finestre (visti: {sorted(tempi)})")
    return tempi


def picco_memoria(argomenti, casa):
    """Peak resident set of a whole run, in MB, and its exit status."""
    p = subprocess.Popen(argomenti, env=ambiente(casa), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, stato, uso = os.wait4(p.pid, 0)
    p.returncode = os.waitstatus_to_exitcode(stato)
    return uso.ru_maxrss / 1024, p.returncode


def main():
    a = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    a.add_argument("programma", nargs="?", default="build/mrvelto")
    a.add_argument("--volte", type=int, default=20)
    o = a.parse_args()

    with tempfile.TemporaryDirectory(prefix="mrvelto-misura-") as casa:
        avvio(o.programma, casa)  # the first run writes the settings and warms the file cache
        corse = [avvio(o.programma, casa) for _ in range(o.volte)]
        for nome, descrizione in (("avvio", "prima finestra di avvio disegnata"), ("tavolo", "primo tavolo disegnato")):
            ms = sorted(c[nome] for c in corse)
            print(f"{descrizione:36s} mediana {statistics.median(ms):6.1f} ms  (min {ms[0]:.1f}, max {ms[-1]:.1f}, {o.volte} avvii)")

        partita = [o.programma, "--autoplay", "--fast", "--matches", "1", "--name", "Misura"]
        mb, stato = picco_memoria(partita, casa)
        print(f"{'picco di memoria in una partita':36s} {mb:6.1f} MB  (audio al dispositivo o al silenzio; uscita {stato})")
        cattura = os.path.join(casa, "cattura.wav")
        mb, stato = picco_memoria(partita + ["--audio-capture", cattura], casa)
        print(f"{'picco di memoria, audio catturato':36s} {mb:6.1f} MB  (sintetizzatore e brani in uso; uscita {stato})")


if __name__ == "__main__":
    main()
