#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real (virtual) display: three matches played by the built-in player,
# the program's own way out, the data files left behind; then a second run that adds to them.
set -euo pipefail
mrvelto=$1
source "$(dirname "$(realpath "$0")")/schermo_virtuale.sh"
for giro in 1 2; do
  sotto_xvfb 300 "$mrvelto" --autoplay --fast --matches 3 --seed "$giro" --name "Prova"
done
dati=$casa/Dati
[[ $(wc -l < "$dati/MVeImpo.txt") -eq 43 ]] || { echo "MVeImpo.txt: $(wc -l < "$dati/MVeImpo.txt") lines"; exit 1; }
[[ $(wc -l < "$dati/MVeClass.txt") -eq 80 ]] || { echo "MVeClass.txt: $(wc -l < "$dati/MVeClass.txt") lines"; exit 1; }
[[ $(wc -l < "$dati/MVeAlbo.txt") -eq 7 ]] || { echo "MVeAlbo.txt: $(wc -l < "$dati/MVeAlbo.txt") lines"; exit 1; }
[[ $(tr -d '\r\n' < "$dati/MVePart.txt") == 6 ]] || { echo "MVePart.txt: $(cat "$dati/MVePart.txt")"; exit 1; }
grep -q "Prova" "$dati/MVeAlbo.txt"
echo "1 passed, 0 failed"
