#!/usr/bin/env bash
# Kills the game with SIGKILL at random moments while it plays and saves, N times on one data
# folder, checking after each kill that every data file is whole (as the game writes it, old or
# new) and, after each following start, that no temporary file is left.
#   scripts/kill-loop.sh build/mrvelto [N]
set -euo pipefail
mrvelto=$(realpath "$1")
giri=${2:-300}
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
export MRVELTO_HOME=$casa QT_QPA_PLATFORM=offscreen
dati=$casa/Dati
controlla() {
  python3 - "$dati" <<'PY'
import os, re, sys
d = sys.argv[1]
def righe(n):
    p = os.path.join(d, n)
    if not os.path.exists(p): return None
    b = open(p, 'rb').read()
    if b and not b.endswith(b'\r\n'): sys.exit(f'{n}: last line cut')
    return b.split(b'\r\n')[:-1]
c, a, p, i = righe('MVeClass.txt'), righe('MVeAlbo.txt'), righe('MVePart.txt'), righe('MVeImpo.txt')
if c is not None and len(c) != 80: sys.exit(f'MVeClass.txt: {len(c)} lines')
if i is not None and len(i) != 43: sys.exit(f'MVeImpo.txt: {len(i)} lines')
if a is not None:
    if a[-1] != b'""': sys.exit('MVeAlbo.txt: no closing entry')
    for l in a[:-1]:
        if not re.fullmatch(rb'"[0-9]+\)  .* - .*   [0-9]+/[0-9]+/[0-9]{2}  [0-9]+:[0-9]{2}"', l): sys.exit(f'MVeAlbo.txt: {l!r}')
if p is not None and (len(p) != 1 or not p[0].isdigit()): sys.exit(f'MVePart.txt: {p!r}')
PY
}
temporanei_dopo_kill=0
for ((g = 1; g <= giri; g++)); do
  "$mrvelto" --autoplay --fast --matches 100000 --seed "$g" --name "Giro$g" >/dev/null 2>&1 &
  pid=$!
  sleep "0.$(printf '%03d' $((RANDOM % 1000)))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  controlla || { echo "kill $g: a damaged data file"; exit 1; }
  if compgen -G "$dati/*.tmp*" >/dev/null; then temporanei_dopo_kill=$((temporanei_dopo_kill + 1)); fi
done
# One start more, to the end of a match: it clears what the last kill left.
"$mrvelto" --autoplay --fast --matches 1 --seed 1 --name Ultimo >/dev/null 2>&1
controlla
left=$(find "$dati" -name '*.tmp*' | wc -l)
partite=$(tr -d '\r\n' < "$dati/MVePart.txt")
echo "kills: $giri; kills that left a temporary file (removed by the next start): $temporanei_dopo_kill; temporary files left at the end: $left; matches logged: $partite"
[[ $left -eq 0 ]]
