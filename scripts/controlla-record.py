#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What the next start of the game will read from a data folder: the three records files, or the
# journal of a save cut short (which that start rolls forward). Fails on a damaged file or on files
# that disagree (log entries not numbered 1..n, MVePart.txt or the per-level results not n);
# otherwise prints n, and "giornale" when a journal is pending.
#   scripts/controlla-record.py DATI
import os, re, sys
d = sys.argv[1]
def leggi(n):
    p = os.path.join(d, n)
    return open(p, 'rb').read() if os.path.exists(p) else None
def righe(n, b):
    if b is None: return None
    if b and not b.endswith(b'\r\n'): sys.exit(f'{n}: last line cut')
    return b.split(b'\r\n')[:-1]
i = righe('MVeImpo.txt', leggi('MVeImpo.txt'))
if i is not None and len(i) != 43: sys.exit(f'MVeImpo.txt: {len(i)} lines')
file = {n: leggi(n) for n in ('MVeClass.txt', 'MVeAlbo.txt', 'MVePart.txt')}
g = leggi('.giornale-record')
if g is not None:  # a save cut short after its journal: the next start rolls it forward
    testa = b'Mr. VELTO giornale dei record 1\n'
    if not g.startswith(testa): sys.exit('journal: not ours')
    k = len(testa)
    for n in file:
        a = g.index(b'\n', k); l = int(g[k:a]); file[n] = g[a + 1:a + 1 + l]; k = a + 1 + l
c, a, p = (righe(n, file[n]) for n in file)
if c is not None and len(c) != 80: sys.exit(f'MVeClass.txt: {len(c)} lines')
voci = []
if a is not None:
    if a[-1] != b'""': sys.exit('MVeAlbo.txt: no closing entry')
    for l in a[:-1]:
        if not re.fullmatch(rb'"[0-9]+\)  .* - .*   [0-9]+/[0-9]+/[0-9]{2}  [0-9]+:[0-9]{2}"', l): sys.exit(f'MVeAlbo.txt: {l!r}')
        voci.append(int(l[1:l.index(b')')]))
if p is not None and (len(p) != 1 or not p[0].isdigit()): sys.exit(f'MVePart.txt: {p!r}')
n = len(voci)
if voci != list(range(1, n + 1)): sys.exit(f'log numbers not 1..{n}: {voci[-5:]}')
if p is not None and int(p[0]) != n: sys.exit(f'MVePart.txt says {int(p[0])}, the log holds {n}')
livelli = sum(int(x.strip(b'"')) for x in c[70:80]) if c is not None else 0
if livelli != n: sys.exit(f'per-level results add up to {livelli}, the log holds {n}')
print(n, 'giornale' if g is not None else '')
