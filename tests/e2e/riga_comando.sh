#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a terminal user meets it: help and version in Italian even without a screen, and
# a plain message, not a crash, when the screen or the media are missing.
set -uo pipefail
mrvelto=$1
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
falliti=0
controlla() {  # description, expected exit code, pattern the output must hold, command...
  local cosa=$1 atteso=$2 modello=$3
  shift 3
  local uscita rc
  uscita=$(timeout 60 "$@" 2>&1)
  rc=$?
  if [[ $rc -ne $atteso ]] || ! grep -q -- "$modello" <<<"$uscita"; then
    echo "FAIL $cosa: exit $rc (expected $atteso), output:"
    echo "$uscita"
    falliti=$((falliti + 1))
  fi
}
senza_schermo=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM MRVELTO_HOME="$casa")
controlla "help without a screen" 0 "^Utilizzo: .*mrvelto \\[opzioni\\]" "${senza_schermo[@]}" "$mrvelto" --help
controlla "help lists the options in Italian" 0 "Partite da giocare" "${senza_schermo[@]}" "$mrvelto" --help
controlla "the help option in Italian too" 0 "Mostra questo aiuto" "${senza_schermo[@]}" "$mrvelto" --help
controlla "version without a screen" 0 "^mrvelto [0-9]" "${senza_schermo[@]}" "$mrvelto" --version
controlla "no screen" 1 "nessuno schermo disponibile" "${senza_schermo[@]}" "$mrvelto" --autoplay --fast --matches 1 --name Prova
controlla "X11 asked for, no DISPLAY" 1 "nessuno schermo disponibile" env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb MRVELTO_HOME="$casa" "$mrvelto" --autoplay --fast --matches 1 --name Prova
controlla "no media" 1 "non trovo le immagini" env QT_QPA_PLATFORM=offscreen MRVELTO_MEDIA="$casa/nessuna" MRVELTO_HOME="$casa" "$mrvelto" --autoplay --fast --matches 1 --name Prova
controlla "unknown option" 2 "Opzione sconosciuta" env QT_QPA_PLATFORM=offscreen MRVELTO_HOME="$casa" "$mrvelto" --giocatori 3
# The check must not stand in the way of a headless run.
controlla "a scale out of range" 2 "--scala vuole un numero da 1 a 4" env QT_QPA_PLATFORM=offscreen MRVELTO_HOME="$casa" "$mrvelto" --scala 9
controlla "an option without its value" 2 "mancante" env QT_QPA_PLATFORM=offscreen MRVELTO_HOME="$casa" "$mrvelto" --seed
controlla "offscreen still plays" 0 "" env -u DISPLAY QT_QPA_PLATFORM=offscreen MRVELTO_HOME="$casa" "$mrvelto" --autoplay --fast --matches 1 --name Prova
echo "$((10 - falliti)) passed, $falliti failed"
[[ $falliti -eq 0 ]]
