#!/usr/bin/env bash
# A whole evening with the mouse: a two-letter name is refused (the start-up window stays), a
# proper one lets the table in, a game is played by clicking the hand, saved from the end-of-game
# frame, opened again and stepped with Enter to "Fine Analisi"; the review's "Salva..." then
# writes the panel with "Fine Analisi" in cell 14. The file dialogs are skipped through
# MRVELTO_FILE_PARTITA, which names the file for both. Positions are pixels of the 800 x 633
# window at 0,0 (twips / 15).
set -euo pipefail
mrvelto=$1
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
export MRVELTO_HOME=$casa
export MRVELTO_FILE_PARTITA=$casa/partita.txt
unset QT_QPA_PLATFORM
cat > "$casa/prova.sh" <<'SCRIPT'
set -euo pipefail
"$1" --seed 11 & gioco=$!
trap 'kill $gioco 2>/dev/null || true' EXIT
file=$MRVELTO_FILE_PARTITA
for _ in $(seq 50); do xdotool search --name "Mr. VELTO" >/dev/null 2>&1 && break; sleep 0.2; done
sleep 1
larghezza() { xdotool getwindowgeometry "$(xdotool search --onlyvisible --name "Mr. VELTO" | head -1)" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'; }
xdotool mousemove 300 300
xdotool key ctrl+a
xdotool type --delay 40 "Al"
xdotool key Return
sleep 1
[[ $(larghezza) == 640 ]] || { echo "a two-letter name was accepted"; exit 1; }
xdotool key ctrl+a
xdotool type --delay 40 "Prova"
xdotool key Return
sleep 1
[[ $(larghezza) == 800 ]] || { echo "the table did not open for a proper name"; exit 1; }
# Play: the human's hand is slots 4..6; "- Salva il Gioco appena concluso" is in the end-of-game
# frame and does nothing before the game is over.
for _ in $(seq 400); do
  for x in 279 399 519; do xdotool mousemove $x 500 click 1; sleep 0.15; done
  xdotool mousemove 262 348 click 1
  [[ -s $file ]] && break
done
[[ -s $file ]] || { echo "the game was not saved"; exit 1; }
[[ $(wc -l < "$file") == 268 ]] || { echo "the saved game is not 268 lines"; exit 1; }
cp "$file" "$MRVELTO_HOME/salvata.txt"
xdotool mousemove 262 314 click 1       # "- Apri un Gioco già salvato"
sleep 1
for _ in $(seq 25); do xdotool key Return; sleep 0.1; done
sleep 0.5
import -window root "$MRVELTO_HOME/fine-analisi.png"
xdotool mousemove 485 610 click 1       # the review's "Salva..."
sleep 1
[[ $(sed -n 32p "$file" | tr -d '\r') == '"Fine Analisi"' ]] || { echo "the review did not reach Fine Analisi"; exit 1; }
# Nothing else in the panel moved.
diff <(sed 32d "$MRVELTO_HOME/salvata.txt") <(sed 32d "$file") >/dev/null || { echo "the review changed the panel"; exit 1; }
SCRIPT
timeout 600 xvfb-run -a -s "-screen 0 1024x768x24" bash "$casa/prova.sh" "$mrvelto"
echo "1 passed, 0 failed"
