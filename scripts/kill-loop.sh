#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills the game with SIGKILL while it plays and saves, on one data folder: first at each write
# step of a run in turn (MRVELTO_UCCIDI_AL_PASSO, the name, both records saves, the settings), then
# N times at random moments. After each kill it checks that every data file is whole (as the game
# writes it, old or new) and that what the next start will read (the files, or the journal of a
# save cut short, which that start rolls forward) agrees: as many log entries as MVePart.txt says,
# numbered 1..n with none twice, and the per-level results adding up to n. Finally one more start
# must clear every temporary file and leave the journal rolled forward.
# A random kill comes within the first MAX seconds (a match lasts a few: most kills land in one).
#   scripts/kill-loop.sh build/mrvelto [N] [STEPS] [MAX]
set -euo pipefail
mrvelto=$(realpath "$1")
giri=${2:-300}
passi=${3:-40}
massimo=${4:-8}
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
export MRVELTO_HOME=$casa QT_QPA_PLATFORM=offscreen
dati=$casa/Dati
# Prints the matches logged as the next start will find them; fails on a damaged file or a
# disagreement.
controlla() { python3 "$(dirname "$0")/controlla-record.py" "$dati"; }
dopo_un_logged=0 con_giornale=0 temporanei_dopo_kill=0 disaccordi=0 uccisi=0
prima=0
uccidi() {  # runs the game until it is killed, checks what it left
  wait "$1" 2>/dev/null || true
  uccisi=$((uccisi + 1))
  local esito
  esito=$(controlla) || { echo "kill $uccisi: $esito"; disaccordi=$((disaccordi + 1)); return; }
  read -r n giornale <<<"$esito"
  ((n > prima)) && dopo_un_logged=$((dopo_un_logged + 1))
  [[ -n ${giornale:-} ]] && con_giornale=$((con_giornale + 1))
  prima=$n
  if compgen -G "$dati/*.tmp*" >/dev/null || compgen -G "$dati/.*.tmp*" >/dev/null; then temporanei_dopo_kill=$((temporanei_dopo_kill + 1)); fi
}
for ((s = 1; s <= passi; s++)); do
  MRVELTO_UCCIDI_AL_PASSO=$s "$mrvelto" --autoplay --fast --matches 2 --seed "$s" --name "Passo$s" 2>>"$casa/passi.txt" >/dev/null &
  uccidi $!
done
mirati=$uccisi
for ((g = 1; g <= giri; g++)); do
  "$mrvelto" --autoplay --fast --matches 100000 --seed "$g" --name "Giro$g" >/dev/null 2>&1 &
  pid=$!
  sleep "$((RANDOM % massimo)).$(printf '%03d' $((RANDOM % 1000)))"
  kill -9 "$pid" 2>/dev/null || true
  uccidi "$pid"
done
# One start more, to the end of a match: it rolls a journal forward and clears what the last kill left.
"$mrvelto" --autoplay --fast --matches 1 --seed 1 --name Ultimo >/dev/null 2>&1
esito=$(controlla) || { echo "after the last start: $esito"; exit 1; }
read -r finale giornale <<<"$esito"
left=$(find "$dati" -name '*.tmp*' | wc -l)
echo "kills: $uccisi ($mirati aimed at write steps: $(grep -c 'ucciso al passo' "$casa/passi.txt" || true) landed on one, then $giri at random)"
echo "kills that landed after a match was logged: $dopo_un_logged; with a save's journal pending: $con_giornale; disagreements: $disaccordi"
echo "kills that left a temporary file (removed by the next start): $temporanei_dopo_kill; temporary files left at the end: $left"
echo "journal left at the end: ${giornale:-none}; matches logged: $finale"
[[ $left -eq 0 && $disaccordi -eq 0 && -z ${giornale:-} ]]
