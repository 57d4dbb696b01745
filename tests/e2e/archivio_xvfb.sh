#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A whole evening with the mouse: a two-letter name is refused (the start-up window stays), a
# proper one lets the table in, a game is played by clicking the hand, saved from the end-of-game
# frame, opened again and stepped with Enter to "Fine Analisi"; the review's "Salva..." then
# writes the panel with "Fine Analisi" in cell 14. The file dialogs are skipped through
# MRVELTO_FILE_PARTITA, which names the file for both. Positions are pixels of the 800 x 633
# window at 0,0 (twips / 15). Every step waits for what it needs to see, with a deadline.
set -euo pipefail
mrvelto=$1
source "$(dirname "$(realpath "$0")")/schermo_virtuale.sh"
export MRVELTO_FILE_PARTITA=$casa/partita.txt
cat > "$casa/prova.sh" <<'SCRIPT'
set -euo pipefail
source "$ATTESA"
"$1" --seed 11 & gioco=$!
trap 'kill $gioco 2>/dev/null || true' EXIT
file=$MRVELTO_FILE_PARTITA
h=$MRVELTO_HOME
# The start-up window is drawn when its name field is (white, in the middle of the window).
aspetta 60 "the start-up window's name field" pixel_e 280 394 '#FFFFFF'
xdotool mousemove 300 300
ritaglio 340 18 150 340 "$h/invito.png"
xdotool key ctrl+a
xdotool type --delay 40 "Al"
xdotool key Return
# The refusal is said where the prompt was; the window keeps its start-up width.
aspetta 30 "the message refusing a two-letter name" cambiato 340 18 150 340 "$h/invito.png" "$h/rifiuto.png"
larga 640 || { echo "a two-letter name was accepted"; exit 1; }
xdotool key ctrl+a
xdotool type --delay 40 "Prova"
xdotool key Return
aspetta 60 "the table for a proper name" larga 800
[[ $(tr -d '\r\n' < "$h/Dati/MVeNome.txt") == '"Prova"' ]] || { echo "the name saved is $(cat "$h/Dati/MVeNome.txt")"; exit 1; }
# Play: the human's hand is slots 4..6; "- Salva il Gioco appena concluso" is in the end-of-game
# frame and does nothing before the game is over.
gioca() {
  for x in 279 399 519; do xdotool mousemove $x 500 click 1; done
  xdotool mousemove 262 348 click 1
  [[ -s $file ]]
}
aspetta 400 "the game played to its end and saved" gioca
[[ $(wc -l < "$file") == 268 ]] || { echo "the saved game is not 268 lines"; exit 1; }
cp "$file" "$h/salvata.txt"
# "- Apri un Gioco già salvato": the review's menu (its "Salva..." below) shows once it is open.
ritaglio 120 24 425 598 "$h/menu-gioco.png"
xdotool mousemove 262 314 click 1
aspetta 60 "the review's menu" cambiato 120 24 425 598 "$h/menu-gioco.png" "$h/menu-analisi.png"
# Step with Enter and save with the review's "Salva..." until the saved panel says "Fine Analisi".
rivedi() {
  xdotool key Return
  xdotool mousemove 485 610 click 1
  [[ $(sed -n 32p "$file" | tr -d '\r') == '"Fine Analisi"' ]]
}
aspetta 120 "the review reaching Fine Analisi" rivedi
import -window root "$h/fine-analisi.png"
# Nothing else in the panel moved.
diff <(sed 32d "$h/salvata.txt") <(sed 32d "$file") >/dev/null || { echo "the review changed the panel"; exit 1; }
SCRIPT
sotto_xvfb 900 bash "$casa/prova.sh" "$mrvelto"
echo "1 passed, 0 failed"
