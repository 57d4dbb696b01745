#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How Mr. VELTO's levels fare against `esperto`, the simulator's fair opponent (it plays the
analysis engine's best card from its own seat's view and never reads the other hand), in paired
whole games, written as a Markdown table.

    scripts/tabella-esperto.py build/mrvelto-sim                      # prints the table
    scripts/tabella-esperto.py build/mrvelto-sim --scrivi README.md
    scripts/tabella-esperto.py build/mrvelto-sim --controlla README.md [--solo A]

--controlla fails (status 1) when the table in the file is not the one the simulator gives now;
with --solo it re-runs that level's row only and checks it against the file's row.
"""
import argparse
import json
import subprocess
import sys

INIZIO = "<!-- tabella-esperto: inizio -->"
FINE = "<!-- tabella-esperto: fine -->"
LIVELLI = [("A", "Massima"), ("B", "Alta"), ("C", "Media"), ("D", "Bassa"), ("E", "Minima")]


def corsa(sim, livello, giochi, seme):
    comando = [sim, "match", "--paired", "--json", "--games", str(giochi), "--seed", str(seme), "--level", livello,
               "--opponent", "esperto"]
    esito = subprocess.run(comando, capture_output=True, text=True)
    if esito.returncode != 0:
        sys.exit(f"tabella-esperto: {' '.join(comando)} è uscito con {esito.returncode}:\n{esito.stderr}")
    r = json.loads(esito.stdout)
    if r.get("checks") != "ok":
        sys.exit(f"tabella-esperto: controlli falliti in {' '.join(comando)}: {r.get('violation')}")
    return r


def riga(sim, lettera, nome, giochi, seme):
    r = corsa(sim, lettera, giochi, seme)
    basso, alto = r["win_rate_ci95"]
    # The simulator counts from Mr. VELTO's side; the table speaks for esperto.
    return (f"| Mr. VELTO {lettera} ({nome}) | {100 * (1 - r['win_rate']):.1f} % ({100 * (1 - alto):.1f}–{100 * (1 - basso):.1f}) "
            f"| {r['points_per_game_opponent']:.1f} | {r['points_per_game_velto']:.1f} |")


def tabella(sim, giochi, seme):
    righe = ["| Against | esperto's share | esperto's points | Mr. VELTO's points |", "|---|---|---|---|"]
    righe += [riga(sim, l, n, giochi, seme) for l, n in LIVELLI]
    nota = (f"Each row: `esperto`'s share of the games (a draw counts half) with its 95 % interval over deals,\n"
            f"and the points per game of each side; {giochi} whole games per row, each deal played twice with the\n"
            f"seats swapped, seed {seme}. Mr. VELTO reads the other hand while the stock lasts, on either seat;\n"
            f"`esperto` never does, so the table measures that peek as much as the play. Written by\n"
            f"`scripts/tabella-esperto.py`; the test `tabella_esperto` re-runs level A and fails when it no\n"
            f"longer matches.")
    return "\n".join(righe) + "\n\n" + nota + "\n"


def sezione(testo):
    if INIZIO not in testo or FINE not in testo:
        sys.exit(f"tabella-esperto: mancano i segni {INIZIO} e {FINE}")
    prima, resto = testo.split(INIZIO, 1)
    dentro, dopo = resto.split(FINE, 1)
    return prima, dentro, dopo


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("sim")
    p.add_argument("--giochi", type=int, default=2000, help="giochi per riga, pari (predefinito 2000)")
    p.add_argument("--seme", type=int, default=1)
    p.add_argument("--solo", choices=[l for l, _ in LIVELLI], help="con --controlla: solo la riga di quel livello")
    gruppo = p.add_mutually_exclusive_group()
    gruppo.add_argument("--scrivi", metavar="FILE")
    gruppo.add_argument("--controlla", metavar="FILE")
    a = p.parse_args()
    if a.giochi <= 0 or a.giochi % 2:
        sys.exit("tabella-esperto: --giochi vuole un numero pari positivo")
    if a.controlla:
        with open(a.controlla, encoding="utf-8") as f:
            _, dentro, _ = sezione(f.read())
        if a.solo:
            nome = dict(LIVELLI)[a.solo]
            nuova = riga(a.sim, a.solo, nome, a.giochi, a.seme)
            if nuova not in dentro.splitlines():
                sys.exit(f"tabella-esperto: la riga del livello {a.solo} di {a.controlla} non è quella del simulatore:\n{nuova}")
        elif "\n" + tabella(a.sim, a.giochi, a.seme) != dentro:
            sys.exit(f"tabella-esperto: la tabella di {a.controlla} non è aggiornata")
        return
    nuova = tabella(a.sim, a.giochi, a.seme)
    if a.scrivi:
        with open(a.scrivi, encoding="utf-8") as f:
            prima, _, dopo = sezione(f.read())
        with open(a.scrivi, "w", encoding="utf-8") as f:
            f.write(prima + INIZIO + "\n" + nuova + FINE + dopo)
    else:
        sys.stdout.write(nuova)


if __name__ == "__main__":
    main()
