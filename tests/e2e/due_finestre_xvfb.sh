#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two windows at once on one data folder, each playing its matches to the end: every match of
# both is in the log, numbered once, and counted in the per-level results.
set -euo pipefail
mrvelto=$1
partite=${2:-20}
source "$(dirname "$(realpath "$0")")/schermo_virtuale.sh"
gioca() {
  sotto_xvfb 600 "$mrvelto" --autoplay --fast --matches "$partite" --seed "$2" --name "$1"
}
gioca Alfa 1 & a=$!
gioca Beta 2 & b=$!
wait $a
wait $b
dati=$casa/Dati
totale=$((2 * partite))
[[ $(tr -d '\r\n' < "$dati/MVePart.txt") == "$totale" ]] || { echo "MVePart.txt: $(cat "$dati/MVePart.txt"), wanted $totale"; exit 1; }
[[ $(wc -l < "$dati/MVeAlbo.txt") -eq $((totale + 1)) ]] || { echo "MVeAlbo.txt: $(wc -l < "$dati/MVeAlbo.txt") lines"; exit 1; }
for nome in Alfa Beta; do
  n=$(grep -c "$nome" "$dati/MVeAlbo.txt" || true)
  [[ $n -eq $partite ]] || { echo "$nome: $n entries in the log, wanted $partite"; exit 1; }
done
# Entries numbered 1..N once each, in order.
seq 1 "$totale" > "$casa/attesi"
sed -n 's/^"\([0-9]*\)).*/\1/p' "$dati/MVeAlbo.txt" > "$casa/numeri"
diff "$casa/attesi" "$casa/numeri" || { echo "log numbers out of order"; exit 1; }
# Lines 71..80 of the ranking: won and lost by the computer per level; together one per match.
somma=$(sed -n '71,80p' "$dati/MVeClass.txt" | tr -d '"\r' | paste -sd+ | bc)
[[ $somma -eq $totale ]] || { echo "per-level counts add up to $somma, wanted $totale"; exit 1; }
ls -A "$dati" | grep -q '\.tmp' && { echo "temporary files left: $(ls -A "$dati")"; exit 1; }
echo "1 passed, 0 failed"
