#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Mr. VELTO's table, external opponent: the simulator's `greedy` rules.

Run it with:  mrvelto-sim match --games 100 --opponent-cmd "python3 examples/bots/goloso.py"

Answering a card worth points, it takes the trick with its cheapest winning card; otherwise, and
whenever it leads, it throws its lowest card. Cheapest and lowest: a plain card before a
briscola, then fewer points, then the weaker rank; on a tie the first card of the hand.
Standard library only.
"""
import json
import sys

VALORE = {"2": 2, "4": 4, "5": 5, "6": 6, "7": 7, "F": 8, "C": 12, "R": 16, "3": 40, "A": 44}


def punti(carta):
    valore = VALORE[carta[0]]
    return 0 if valore < 8 else valore // 4


def costo(carta, briscola):
    return (carta[1] == briscola, punti(carta), VALORE[carta[0]])


def prende(chi_risponde, guida, briscola):
    """The answering card takes the trick from the leading card."""
    if chi_risponde[1] == guida[1]:
        return VALORE[chi_risponde[0]] > VALORE[guida[0]]
    return chi_risponde[1] == briscola


def scegli(mossa):
    briscola = mossa["briscola"]
    mano = [carta for carta in mossa["hand"] if carta]  # in slot order: min() keeps the first on a tie
    in_tavola = mossa["table"]
    if in_tavola and punti(in_tavola) > 0:
        vincenti = [carta for carta in mano if prende(carta, in_tavola, briscola)]
        if vincenti:
            return min(vincenti, key=lambda carta: costo(carta, briscola))
    return min(mano, key=lambda carta: costo(carta, briscola))


def main():
    for riga in sys.stdin:
        messaggio = json.loads(riga)
        if messaggio.get("type") == "move":
            print(json.dumps({"card": scegli(messaggio)}), flush=True)
        # "start" and "end" need no answer.


if __name__ == "__main__":
    main()
