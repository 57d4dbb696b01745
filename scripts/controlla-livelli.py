#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when an #include crosses the layers the wrong way.

The core folders form a line, lowest first: cards -> game -> {player, table, audio, records}
-> screens. A folder may include itself and the folders below it; the four middle folders never
include one another. The core is toolkit-free: no Qt header anywhere in it. Above the core,
sim/ may not use Qt, and platform/ may not reach the windows of ui/.

Usage: controlla-livelli.py [ROOT]    (ROOT defaults to the repository holding this script)
"""
import pathlib
import re
import sys

SOTTO = {
    "cards": set(),
    "game": {"cards"},
    "player": {"cards", "game"},
    "table": {"cards", "game"},
    "audio": {"cards", "game"},
    "records": {"cards", "game"},
    "screens": {"cards", "game", "player", "table", "audio", "records"},
}
NUCLEO = set(SOTTO)
SOPRA = {
    "sim": NUCLEO,
    "platform": NUCLEO,
    "ui": NUCLEO | {"platform"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT = re.compile(r"^Q[A-Za-z]*(/|$)|^Qt[A-Za-z]*/")


def errori_di(radice: pathlib.Path):
    cartelle = {**{c: s | {c} for c, s in SOTTO.items()}, **{c: s | {c} for c, s in SOPRA.items()}}
    tutte = set(cartelle) | {"tests", "bench", "fuzz"}
    for cartella, ammesse in sorted(cartelle.items()):
        for file in sorted((radice / cartella).rglob("*")):
            if file.suffix not in {".h", ".hpp", ".cpp", ".cc"}:
                continue
            testo = file.read_text(encoding="utf-8", errors="replace")
            for numero, riga in enumerate(testo.splitlines(), 1):
                m = INCLUDE.match(riga)
                if not m:
                    continue
                tipo, percorso = m.groups()
                dove = f"{file.relative_to(radice)}:{numero}"
                if tipo == "<":
                    if cartella != "ui" and cartella != "platform" and QT.match(percorso):
                        yield f"{dove}: {cartella}/ must not use Qt ({percorso})"
                    continue
                testa = percorso.split("/", 1)[0]
                if "/" not in percorso or testa not in tutte:
                    continue
                if testa not in ammesse:
                    yield f"{dove}: {cartella}/ may not include {percorso}"


def main(argv):
    radice = pathlib.Path(argv[1]) if len(argv) > 1 else pathlib.Path(__file__).resolve().parent.parent
    errori = list(errori_di(radice))
    for e in errori:
        print(e)
    if errori:
        print(f"{len(errori)} include(s) against the layers", file=sys.stderr)
        return 1
    print("layers: every include runs downwards")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
