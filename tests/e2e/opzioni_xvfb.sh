#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The options panel in the real window: a click on "Stile Carte:" redraws the human's hand in the
# next deck and a click on "Motivo Retro Carte:" the stock's back; the pixels there must change.
# Under Xvfb without a window manager the window sits at 0,0 at its natural size (800 x 633).
# Every step waits for what it needs to see, with a deadline.
set -euo pipefail
mrvelto=$1
source "$(dirname "$(realpath "$0")")/schermo_virtuale.sh"
cat > "$casa/prova.sh" <<'SCRIPT'
set -euo pipefail
source "$ATTESA"
"$1" --seed 7 & gioco=$!
trap 'kill $gioco 2>/dev/null || true' EXIT
h=$MRVELTO_HOME
aspetta 60 "the start-up window's name field" pixel_e 280 394 '#FFFFFF'
xdotool mousemove 400 300                # the start-up window: the name, then Enter
xdotool type --delay 40 "Prova"
xdotool key Return
aspetta 60 "the table" larga 800
# The deal (8 cards, 450 ms apart) ends with the stock on the table and its count written.
ritaglio 170 30 600 445 "$h/senza-conto.png"
mazzo_posato() {
  [[ $(pixel 660 380) != "$(pixel 540 300)" ]] && cambiato 170 30 600 445 "$h/senza-conto.png" "$h/conto.png"
}
aspetta 60 "the deal" mazzo_posato
scatta() { import -window root "$h/$1.png"; }
# the hand 228..572 x 408..592, the stock's lower half under the briscola
mano() { convert "$h/$1.png" -crop 344x184+228+408 +repage "$h/$1-mano.png"; }
mazzo() { convert "$h/$1.png" -crop 90x100+615+330 +repage "$h/$1-mazzo.png"; }
ritaglio 200 60 150 60 "$h/senza-pannello.png"
xdotool mousemove 55 578 click 1         # "Opzioni"
aspetta 30 "the options panel" cambiato 200 60 150 60 "$h/senza-pannello.png" "$h/pannello.png"
scatta prima
mano prima
xdotool mousemove 235 75 click 1         # "Stile Carte:"
aspetta 30 "the hand in the next deck" cambiato 344 184 228 408 "$h/prima-mano.png" "$h/stile-mano.png"
scatta stile
mazzo stile
xdotool mousemove 250 99 click 1         # "Motivo Retro Carte:"
aspetta 30 "the stock's back in the next pattern" cambiato 90 100 615 330 "$h/stile-mazzo.png" "$h/motivo-mazzo.png"
SCRIPT
sotto_xvfb 300 bash "$casa/prova.sh" "$mrvelto"
echo "1 passed, 0 failed"
