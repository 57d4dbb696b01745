#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's picture of the table, taken from a real run: the built-in player plays at the
# normal pace under a virtual X display, and the window is grabbed in the middle of the match.
# Usage: scripts/schermata.sh [BUILD_DIR] [OUTPUT.png] [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
uscita=${2:-$root/docs/tavolo.png}
attesa=${3:-30}
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
export MRVELTO_HOME=$casa MRVELTO_BINARIO=$build/mrvelto MRVELTO_USCITA=$uscita MRVELTO_ATTESA=$attesa
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  "$MRVELTO_BINARIO" --autoplay --matches 1 --seed 7 --name Giulia &
  gioco=$!
  sleep "$MRVELTO_ATTESA"
  finestra=$(xdotool search --onlyvisible --name "Mr. VELTO" | tail -1)
  import -window "$finestra" "$MRVELTO_USCITA"
  kill "$gioco"
  wait "$gioco" || true
'
echo "$uscita: $(identify -format "%wx%h" "$uscita")"
