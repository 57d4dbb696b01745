#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Mr. VELTO's table, external opponent: plays a random card of its hand.

Run it with:  mrvelto-sim match --games 100 --opponent-cmd "python3 examples/bots/casuale.py"

It draws its choices exactly as the simulator's built-in `random` opponent does (a 64-bit
Mersenne Twister seeded with the start line's "seed", and the GNU C++ library's way of turning
its output into an index), so on the same seeds it plays the same cards and the match gives the
same results. Standard library only.
"""
import json
import sys

MASCHERA = (1 << 64) - 1


class MersenneTwister64:
    """mt19937_64, as std::mt19937_64."""

    def __init__(self, seme):
        self.stato = [0] * 312
        self.stato[0] = seme & MASCHERA
        for i in range(1, 312):
            precedente = self.stato[i - 1]
            self.stato[i] = (6364136223846793005 * (precedente ^ (precedente >> 62)) + i) & MASCHERA
        self.indice = 312

    def _rigenera(self):
        s = self.stato
        for i in range(312):
            x = (s[i] & 0xFFFFFFFF80000000) | (s[(i + 1) % 312] & 0x7FFFFFFF)
            y = x >> 1
            if x & 1:
                y ^= 0xB5026F5AA96619E9
            s[i] = s[(i + 156) % 312] ^ y
        self.indice = 0

    def __call__(self):
        if self.indice >= 312:
            self._rigenera()
        x = self.stato[self.indice]
        self.indice += 1
        x ^= (x >> 29) & 0x5555555555555555
        x ^= (x << 17) & 0x71D67FFFEDA60000
        x ^= (x << 37) & 0xFFF7EEE000000000
        x ^= x >> 43
        return x & MASCHERA


def indice_uniforme(generatore, n):
    """0..n-1 as std::uniform_int_distribution<int>(0, n - 1) of GNU libstdc++ (Lemire's method).
    It draws a number even when n is 1, and so must we, to keep the stream in step."""
    prodotto = generatore() * n
    basso = prodotto & MASCHERA
    if basso < n:
        soglia = ((1 << 64) - n) % n
        while basso < soglia:
            prodotto = generatore() * n
            basso = prodotto & MASCHERA
    return prodotto >> 64


def main():
    generatore = None
    seme_usato = None
    for riga in sys.stdin:
        messaggio = json.loads(riga)
        tipo = messaggio.get("type")
        if tipo == "start":
            # One stream per seed: a plain match sends the same seed every game, --paired a new one.
            seme = messaggio.get("seed", 0)
            if seme != seme_usato:
                generatore = MersenneTwister64(seme)
                seme_usato = seme
        elif tipo == "move":
            if generatore is None:
                generatore = MersenneTwister64(0)
            carte = [carta for carta in messaggio["hand"] if carta]  # in slot order
            carta = carte[indice_uniforme(generatore, len(carte))]
            print(json.dumps({"card": carta}), flush=True)
        # "end" needs no answer.


if __name__ == "__main__":
    main()
