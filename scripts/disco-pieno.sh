#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The records on a disk that fills while the game plays on: a 200 KB tmpfs as the data folder
# (root only: it mounts one), filled up to a few KB, then matches played until well past the point
# where no save fits. Every match must be in all three files or in none: the log, MVePart.txt and
# the per-level results give equal counts, numbered once each.
#   sudo scripts/disco-pieno.sh build/mrvelto [MATCHES]
set -euo pipefail
mrvelto=$(realpath "$1")
partite=${2:-30}
[[ $(id -u) -eq 0 ]] || { echo "disco-pieno.sh mounts a tmpfs: run it as root"; exit 2; }
casa=$(mktemp -d)
uscita=$(mktemp)
mount -t tmpfs -o size=200k tmpfs "$casa"
trap 'umount "$casa"; rmdir "$casa"; rm -f "$uscita"' EXIT
export MRVELTO_HOME=$casa QT_QPA_PLATFORM=offscreen
# Sixty matches with room to spare, then a filler leaving room for a few more saves only: the log
# outgrows it within the next matches.
"$mrvelto" --autoplay --fast --matches 60 --seed 1 --name Primo >/dev/null 2>&1
libero=$(df --output=avail -B1 "$casa" | tail -1)
head -c $((libero - 16 * 1024)) /dev/zero > "$casa/riempitivo" 2>/dev/null || true
"$mrvelto" --autoplay --fast --matches "$partite" --seed 2 --name Pieno >"$uscita" 2>&1 || true
pieno=$(grep -c "il disco è pieno" "$uscita" || true)
conta() {
  read -r n giornale <<<"$(python3 "$(dirname "$0")/controlla-record.py" "$casa/Dati")"
  file=$(tr -d '\r\n' < "$casa/Dati/MVePart.txt")
  voci=$(($(wc -l < "$casa/Dati/MVeAlbo.txt") - 1))
  livelli=$(sed -n '71,80p' "$casa/Dati/MVeClass.txt" | tr -d '"\r' | paste -sd+ | bc)
  echo "$1: log entries $voci, MVePart.txt $file, per-level results $livelli; journal pending: ${giornale:-no} (the next start reads $n)"
}
echo "matches played: 60 + $partite on a full disk; messages about the full disk: $pieno"
conta "disk full"
# Space again: the next start rolls the journal forward, the next match is saved once.
rm "$casa/riempitivo"
"$mrvelto" --autoplay --fast --matches 1 --seed 3 --name Spazio >/dev/null 2>&1
conta "space again, one match more"
[[ $voci -eq $file && $file -eq $livelli && $n -eq $voci && -z ${giornale:-} ]]
