#!/usr/bin/env bash
# The options panel in the real window: a click on "Stile Carte:" redraws the human's hand in the
# next deck and a click on "Motivo Retro Carte:" the stock's back; the pixels there must change.
# Under Xvfb without a window manager the window sits at 0,0 at its natural size (800 x 633).
set -euo pipefail
mrvelto=$1
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
export MRVELTO_HOME=$casa
unset QT_QPA_PLATFORM
cat > "$casa/prova.sh" <<'SCRIPT'
set -euo pipefail
"$1" --seed 7 & gioco=$!
trap 'kill $gioco 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdotool search --name "Mr. VELTO" >/dev/null 2>&1 && break; sleep 0.2; done
sleep 1
xdotool mousemove 400 300                # the start-up window: the name, then Enter
xdotool type --delay 40 "Prova"
xdotool key Return
sleep 4                                  # the deal: 8 cards, 450 ms apart
scatta() { import -window root "$MRVELTO_HOME/$1.png"; }
# the hand 228..572 x 408..592, the stock's lower half under the briscola
mano() { convert "$MRVELTO_HOME/$1.png" -crop 344x184+228+408 +repage "$MRVELTO_HOME/$1-mano.png"; }
mazzo() { convert "$MRVELTO_HOME/$1.png" -crop 90x100+615+330 +repage "$MRVELTO_HOME/$1-mazzo.png"; }
diversi() { [[ $(compare -metric AE "$MRVELTO_HOME/$1" "$MRVELTO_HOME/$2" null: 2>&1 || true) -gt 500 ]]; }
xdotool mousemove 55 578 click 1         # "Opzioni"
sleep 0.5; scatta prima
xdotool mousemove 235 75 click 1         # "Stile Carte:"
sleep 0.5; scatta stile
xdotool mousemove 250 99 click 1         # "Motivo Retro Carte:"
sleep 0.5; scatta motivo
mano prima; mano stile; mazzo stile; mazzo motivo
diversi prima-mano.png stile-mano.png || { echo "the hand did not change deck"; exit 1; }
diversi stile-mazzo.png motivo-mazzo.png || { echo "the stock's back did not change pattern"; exit 1; }
SCRIPT
timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" bash "$casa/prova.sh" "$mrvelto"
echo "1 passed, 0 failed"
