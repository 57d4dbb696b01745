#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real (virtual) display: three matches played by the built-in player,
# the program's own way out, the data files left behind; then a second run that adds to them.
set -euo pipefail
mrvelto=$1
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
export MRVELTO_HOME=$casa
unset QT_QPA_PLATFORM
for giro in 1 2; do
  timeout 300 xvfb-run -a -s "-screen 0 1024x768x24" "$mrvelto" --autoplay --fast --matches 3 --seed "$giro" --name "Prova"
done
dati=$casa/Dati
[[ $(wc -l < "$dati/MVeImpo.txt") -eq 43 ]] || { echo "MVeImpo.txt: $(wc -l < "$dati/MVeImpo.txt") lines"; exit 1; }
[[ $(wc -l < "$dati/MVeClass.txt") -eq 80 ]] || { echo "MVeClass.txt: $(wc -l < "$dati/MVeClass.txt") lines"; exit 1; }
[[ $(wc -l < "$dati/MVeAlbo.txt") -eq 7 ]] || { echo "MVeAlbo.txt: $(wc -l < "$dati/MVeAlbo.txt") lines"; exit 1; }
[[ $(tr -d '\r\n' < "$dati/MVePart.txt") == 6 ]] || { echo "MVePart.txt: $(cat "$dati/MVePart.txt")"; exit 1; }
grep -q "Prova" "$dati/MVeAlbo.txt"
echo "1 passed, 0 failed"
