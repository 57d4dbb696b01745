#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every screen of the game as a player sees it, from a real run under a virtual X display: the
# start-up window, the table mid-game, the four panels, the rules pages 2..5 (page 1 is on the
# table), the exit question, the end-of-game frame and the review. The clicks are twips scaled
# to the window (no window manager: the window sits at 0,0).
# Usage: scripts/schermate-schermi.sh BUILD_DIR OUTPUT_DIR SCALE   (e.g. build /tmp/schermate 1.5)
set -euo pipefail
build=$1
uscita=$(realpath -m "$2")
scala=$3
mkdir -p "$uscita"
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
export MRVELTO_HOME=$casa MRVELTO_FILE_PARTITA=$casa/partita.txt MRVELTO_BINARIO=$build/mrvelto MRVELTO_USCITA=$uscita MRVELTO_SCALA=$scala
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1920x1200x24" bash -c '
  set -euo pipefail
  "$MRVELTO_BINARIO" --seed 11 --scala "$MRVELTO_SCALA" & gioco=$!
  trap "kill $gioco 2>/dev/null || true" EXIT
  # A point of the table in twips, as window pixels.
  px() { python3 -c "import sys; s=float(sys.argv[3]); print(round(int(sys.argv[1])*s/15), round(int(sys.argv[2])*s/15))" "$1" "$2" "$MRVELTO_SCALA"; }
  clic() { xdotool mousemove $(px "$1" "$2") click 1; sleep 0.6; }
  scatta() {
    local w
    w=$(xdotool search --onlyvisible --name "Mr. VELTO" | tail -1)
    import -window "$w" "$MRVELTO_USCITA/$1-$MRVELTO_SCALA.png"
  }
  for _ in $(seq 50); do xdotool search --onlyvisible --name "Mr. VELTO" >/dev/null 2>&1 && break; sleep 0.2; done
  sleep 2
  scatta 01-avvio
  # Without a window manager the keyboard follows the pointer.
  xdotool mousemove $(px 4800 3600)
  xdotool key ctrl+a
  xdotool type --delay 30 "Massimiliano Bartolomeo Crisostomo de Medici"
  xdotool key Return
  sleep 6
  # Two tricks played: cards on the table, the stock down.
  for _ in 1 2; do clic 4192 7500; sleep 3; done
  scatta 02-tavolo
  nomi=(x partita dati albo opzioni)
  for k in 1 2 3 4; do
    clic 825 $((7360 + (k - 1) * 440)); scatta "03-pannello-$k-${nomi[$k]}"; clic 825 $((7360 + (k - 1) * 440))
  done
  clic 825 9120; scatta 04-esci; clic 7210 4420
  for pagina in 2 3 4 5; do clic 2600 6790; scatta "05-regole-$pagina"; done
  clic 2600 6790
  # Play to the end of the game; "- Salva il Gioco appena concluso" answers only then.
  for _ in $(seq 300); do
    for x in 4192 5992 7792; do xdotool mousemove $(px $x 7500) click 1; sleep 0.15; done
    xdotool mousemove $(px 3930 5222) click 1
    [[ -s $MRVELTO_FILE_PARTITA ]] && break
  done
  sleep 1
  scatta 06-fine-del-gioco
  clic 3930 4967
  for _ in 1 2 3; do xdotool key Return; sleep 0.4; done
  scatta 07-analisi
'
ls "$uscita"
