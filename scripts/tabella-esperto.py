#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How `esperto`, the simulator's fair opponent (it plays the analysis engine's best card from its
own seat's view and never reads the other hand), fares against each level of Mr. VELTO and against
the greedy player, in paired whole games, written as a Markdown table.

    scripts/tabella-esperto.py build/mrvelto-sim [--jobs 2] [--registro FILE] [--righe A greedy]
    scripts/tabella-esperto.py build/mrvelto-sim --scrivi README.md [--registro FILE --riprendi]
    scripts/tabella-esperto.py build/mrvelto-sim --scrivi README.md --registro FILE --dal-registro
    scripts/tabella-esperto.py build/mrvelto-sim --controlla README.md

A row of 20000 games takes about 11 minutes of CPU. --registro appends each finished row to FILE
as one JSON line, so an interrupted run keeps the rows it finished; --riprendi takes the rows FILE
already holds for the same games and seed instead of playing them again; --dal-registro plays
nothing and writes each row from FILE's longest run of it, whatever its number of games.

--scrivi also writes, as a comment beside the table, the signatures of a short run of every row.
--controlla plays only that short run: it fails (status 1) when the file's table has not the
rows and columns this script writes, or when a short signature changed, which means the play
changed and the table is stale (re-run --scrivi).
"""
import argparse
import json
import re
import subprocess
import sys
import time

INIZIO = "<!-- tabella-esperto: inizio -->"
FINE = "<!-- tabella-esperto: fine -->"
# (key, row heading, the flags that seat the other side)
RIGHE = [(l, f"Mr. VELTO {l} ({n})", ["--level", l]) for l, n in
         [("A", "Massima"), ("B", "Alta"), ("C", "Media"), ("D", "Bassa"), ("E", "Minima")]]
RIGHE.append(("greedy", "`greedy`", ["--pc", "greedy"]))
# Level A and greedy first: if a long run is cut short, the rows that say most are done.
ORDINE = ["A", "greedy", "B", "C", "D", "E"]
INTESTAZIONE = ["| Against | esperto's share | esperto's points | the other side's points | games |", "|---|---|---|---|---|"]
GIOCHI_CORTI = 20
CAMPIONI = 48  # player/GiocatoreEsperto.h, kCampioniEsperto
FIRME = re.compile(r"<!-- firme di (\d+) giochi per riga, seme (\d+): ([0-9a-f ]+) -->")


def corsa(sim, flags, giochi, seme, jobs):
    comando = [sim, "match", "--paired", "--json", "--games", str(giochi), "--seed", str(seme), "--opponent", "esperto"] + flags
    if jobs:
        comando += ["--jobs", str(jobs)]
    esito = subprocess.run(comando, capture_output=True, text=True)
    if esito.returncode != 0:
        sys.exit(f"tabella-esperto: {' '.join(comando)} è uscito con {esito.returncode}:\n{esito.stderr}")
    r = json.loads(esito.stdout)
    if r.get("checks") != "ok":
        sys.exit(f"tabella-esperto: controlli falliti in {' '.join(comando)}: {r.get('violation')}")
    return r


def letti(registro, seme):
    """The registro's runs with this seed, as {row heading: [summary, ...]}."""
    fatti = {}
    try:
        with open(registro, encoding="utf-8") as f:
            for linea in f:
                v = json.loads(linea)
                if v["seme"] == seme:
                    fatti.setdefault(v["riga"], []).append(v["risultato"])
    except FileNotFoundError:
        pass
    return fatti


def risultati(sim, chiavi, giochi, seme, jobs, registro=None, riprendi=False):
    """{row heading: simulator summary} for the rows `chiavi`; finished rows go to `registro` as they end."""
    fatti = letti(registro, seme) if registro and riprendi else {}
    tutti = {}
    for chiave, titolo, flags in sorted((r for r in RIGHE if r[0] in chiavi), key=lambda r: ORDINE.index(r[0])):
        gia = [r for r in fatti.get(titolo, []) if r["games"] == giochi]
        if gia:
            tutti[titolo] = gia[0]
            continue
        inizio = time.monotonic()
        tutti[titolo] = corsa(sim, flags, giochi, seme, jobs)
        if registro:
            with open(registro, "a", encoding="utf-8") as f:
                f.write(json.dumps({"riga": titolo, "giochi": giochi, "seme": seme, "risultato": tutti[titolo]}) + "\n")
            print(f"tabella-esperto: {titolo}, {giochi} giochi in {time.monotonic() - inizio:.0f} s", file=sys.stderr, flush=True)
    return tutti


def tabella(ris, seme, firme_corte):
    righe = list(INTESTAZIONE)
    for _, titolo, _ in RIGHE:
        r = ris.get(titolo)
        if r is None:
            righe.append(f"| {titolo} | not measured | | | 0 |")
            continue
        basso, alto = (min(max(x, 0.0), 1.0) for x in r["win_rate_ci95"])
        # The simulator counts for the other side (Mr. VELTO, or the --pc player); the table for esperto.
        righe.append(f"| {titolo} | {100 * (1 - r['win_rate']):.1f} % ({100 * (1 - alto):.1f}–{100 * (1 - basso):.1f}) "
                     f"| {r['points_per_game_opponent']:.1f} | {r['points_per_game_velto']:.1f} | {r['games']} |")
    nota = (f"Each row: `esperto`'s share of the games (a draw counts half) with its 95 % interval over deals,\n"
            f"and the points per game of each side, over that many whole games (each deal played twice with the\n"
            f"seats swapped), seed {seme}; `esperto` at its default {CAMPIONI} sampled deals per move.\n"
            f"The match is not even: while the stock lasts Mr. VELTO reads the other player's three cards, on\n"
            f"either seat, and `esperto` never does, so the rows against him measure that peek as much as the\n"
            f"play; `greedy` sees only its own hand. Written by `scripts/tabella-esperto.py`; the test\n"
            f"`tabella_esperto` replays {GIOCHI_CORTI} games per row and fails when the play behind the table has changed.")
    if len({r["games"] for r in ris.values()}) > 1:
        nota += (f"\nThe rows are not all of {max(r['games'] for r in ris.values())} games: the run was cut short, level A first;"
                 f"\nthe runs are kept in `docs/tabella-esperto.jsonl`, and `scripts/tabella-esperto.py build/mrvelto-sim"
                 f"\n--registro docs/tabella-esperto.jsonl --riprendi --scrivi README.md` plays the rest.")
    firme = f"<!-- firme di {GIOCHI_CORTI} giochi per riga, seme {seme}: {' '.join(firme_corte)} -->"
    return "\n".join(righe) + "\n\n" + nota + "\n" + firme + "\n"


def sezione(testo):
    if INIZIO not in testo or FINE not in testo:
        sys.exit(f"tabella-esperto: mancano i segni {INIZIO} e {FINE}")
    prima, resto = testo.split(INIZIO, 1)
    dentro, dopo = resto.split(FINE, 1)
    return prima, dentro, dopo


def firme_corte(sim, seme, jobs):
    ris = risultati(sim, [k for k, _, _ in RIGHE], GIOCHI_CORTI, seme, jobs)
    return [ris[t]["signature"] for _, t, _ in RIGHE]


def controlla(sim, file, seme, jobs):
    with open(file, encoding="utf-8") as f:
        _, dentro, _ = sezione(f.read())
    linee = dentro.strip("\n").splitlines()
    attese = INTESTAZIONE + [f"| {t} |" for _, t, _ in RIGHE]
    trovate = linee[:len(attese)]
    if len(trovate) < len(attese) or any(not t.startswith(a) for t, a in zip(trovate, attese)):
        sys.exit(f"tabella-esperto: la tabella di {file} non ha le righe e le colonne attese:\n" + "\n".join(attese))
    m = FIRME.search(dentro)
    if not m or int(m.group(1)) != GIOCHI_CORTI or int(m.group(2)) != seme:
        sys.exit(f"tabella-esperto: manca in {file} il commento delle firme di {GIOCHI_CORTI} giochi, seme {seme}")
    ora = firme_corte(sim, seme, jobs)
    if m.group(3).split() != ora:
        sys.exit(f"tabella-esperto: il gioco è cambiato (firme {' '.join(ora)}): la tabella di {file} va rifatta con --scrivi")


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("sim")
    p.add_argument("--giochi", type=int, default=20000, help="giochi per riga, pari (predefinito 20000)")
    p.add_argument("--seme", type=int, default=1)
    p.add_argument("--jobs", type=int, help="thread del simulatore (predefinito: il suo, uno per core)")
    p.add_argument("--righe", nargs="+", choices=ORDINE, default=ORDINE, help="solo queste righe")
    p.add_argument("--registro", metavar="FILE", help="aggiunge a FILE ogni riga finita, una riga JSON")
    p.add_argument("--riprendi", action="store_true", help="con --registro: le righe già in FILE non si rigiocano")
    p.add_argument("--dal-registro", action="store_true", help="con --registro: nessuna partita, ogni riga dalla sua corsa più lunga")
    gruppo = p.add_mutually_exclusive_group()
    gruppo.add_argument("--scrivi", metavar="FILE")
    gruppo.add_argument("--controlla", metavar="FILE")
    a = p.parse_args()
    if a.giochi <= 0 or a.giochi % 2:
        sys.exit("tabella-esperto: --giochi vuole un numero pari positivo")
    if (a.riprendi or a.dal_registro) and not a.registro:
        sys.exit("tabella-esperto: --riprendi e --dal-registro vogliono --registro")
    if a.controlla:
        controlla(a.sim, a.controlla, a.seme, a.jobs)
        return
    if a.dal_registro:
        ris = {t: max(rs, key=lambda r: r["games"]) for t, rs in letti(a.registro, a.seme).items()}
    else:
        ris = risultati(a.sim, a.righe, a.giochi, a.seme, a.jobs, a.registro, a.riprendi)
    nuova = tabella(ris, a.seme, firme_corte(a.sim, a.seme, a.jobs))
    if a.scrivi:
        with open(a.scrivi, encoding="utf-8") as f:
            prima, _, dopo = sezione(f.read())
        with open(a.scrivi, "w", encoding="utf-8") as f:
            f.write(prima + INIZIO + "\n" + nuova + FINE + dopo)
    else:
        sys.stdout.write(nuova)


if __name__ == "__main__":
    main()
