#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How strong each level of Mr. VELTO is: every level against every built-in opponent, in paired
whole games from the simulator, written as a Markdown table.

    scripts/tabella-livelli.py build/mrvelto-sim                 # prints the table
    scripts/tabella-livelli.py build/mrvelto-sim --scrivi README.md
    scripts/tabella-livelli.py build/mrvelto-sim --controlla README.md

--scrivi replaces the table between the README's two markers; --controlla fails (status 1) when the
table there is not the one the simulator gives now. The runs are seeded, and the simulator's
summary does not depend on its threads, so the same build always writes the same table.
"""
import argparse
import json
import subprocess
import sys

INIZIO = "<!-- tabella-livelli: inizio -->"
FINE = "<!-- tabella-livelli: fine -->"

# (column heading, simulator flags)
AVVERSARI = [
    ("vs `random`", ["--opponent", "random"]),
    ("vs `greedy`", ["--opponent", "greedy"]),
    ("vs Mr. VELTO A", ["--opponent", "velto", "--opponent-level", "A"]),
]
LIVELLI = [("A", "Massima"), ("B", "Alta"), ("C", "Media"), ("D", "Bassa"), ("E", "Minima")]


def corsa(sim, livello, flags, giochi, seme):
    comando = [sim, "match", "--paired", "--json", "--games", str(giochi), "--seed", str(seme), "--level", livello] + flags
    esito = subprocess.run(comando, capture_output=True, text=True)
    if esito.returncode != 0:
        sys.exit(f"tabella-livelli: {' '.join(comando)} è uscito con {esito.returncode}:\n{esito.stderr}")
    r = json.loads(esito.stdout)
    if r.get("checks") != "ok":
        sys.exit(f"tabella-livelli: controlli falliti in {' '.join(comando)}: {r.get('violation')}")
    return r


def cella(r):
    basso, alto = r["win_rate_ci95"]
    return (f"{100 * r['win_rate']:.1f} % ({100 * basso:.1f}–{100 * alto:.1f}); "
            f"{r['points_per_game_velto']:.1f} points")


def tabella(sim, giochi, seme):
    righe = ["| Level | " + " | ".join(t for t, _ in AVVERSARI) + " |",
             "|---|" + "---|" * len(AVVERSARI)]
    for lettera, nome in LIVELLI:
        celle = [cella(corsa(sim, lettera, flags, giochi, seme)) for _, flags in AVVERSARI]
        righe.append(f"| {lettera} ({nome}) | " + " | ".join(celle) + " |")
    nota = (f"Each cell: Mr. VELTO's share of the games (a draw counts half) with its 95 % interval over\n"
            f"deals, and his points per game; {giochi} whole games per cell, each deal played twice with the\n"
            f"seats swapped, seed {seme}. Written by `scripts/tabella-livelli.py`; the test `tabella_livelli`\n"
            f"fails when it no longer matches the simulator.")
    return "\n".join(righe) + "\n\n" + nota + "\n"


def sostituisci(testo, nuova):
    if INIZIO not in testo or FINE not in testo:
        sys.exit(f"tabella-livelli: mancano i segni {INIZIO} e {FINE}")
    prima, resto = testo.split(INIZIO, 1)
    _, dopo = resto.split(FINE, 1)
    return prima + INIZIO + "\n" + nuova + FINE + dopo


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("sim", help="il programma mrvelto-sim")
    p.add_argument("--giochi", type=int, default=20000, help="giochi per cella, pari (predefinito 20000)")
    p.add_argument("--seme", type=int, default=1)
    gruppo = p.add_mutually_exclusive_group()
    gruppo.add_argument("--scrivi", metavar="FILE", help="sostituisce la tabella fra i segni di FILE")
    gruppo.add_argument("--controlla", metavar="FILE", help="esce con 1 se la tabella di FILE non è aggiornata")
    a = p.parse_args()
    if a.giochi <= 0 or a.giochi % 2:
        sys.exit("tabella-livelli: --giochi vuole un numero pari positivo")

    nuova = tabella(a.sim, a.giochi, a.seme)
    if a.scrivi:
        with open(a.scrivi, encoding="utf-8") as f:
            testo = f.read()
        with open(a.scrivi, "w", encoding="utf-8") as f:
            f.write(sostituisci(testo, nuova))
    elif a.controlla:
        with open(a.controlla, encoding="utf-8") as f:
            testo = f.read()
        if sostituisci(testo, nuova) != testo:
            print(nuova)
            sys.exit(f"tabella-livelli: la tabella di {a.controlla} non è quella che dà il simulatore "
                     f"(sopra); aggiornala con scripts/tabella-livelli.py {a.sim} --scrivi {a.controlla}")
    else:
        sys.stdout.write(nuova)


if __name__ == "__main__":
    main()
