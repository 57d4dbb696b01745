#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Told to end (SIGTERM, twice) while the anthem of a match just decided plays: the match is in the
# three records files once, the settings are written, and the program ends as killed by the signal.
set -euo pipefail
mrvelto=$1
source "$(dirname "$(realpath "$0")")/schermo_virtuale.sh"
# A first run writes the settings and one match. Then: the ceremony at the end of a match, three
# games to a match (each ending past 60 points), the computer's move and the take at their quickest.
sotto_xvfb 300 "$mrvelto" --autoplay --fast --matches 1 --seed 7 --name Prova
dati=$casa/Dati
impo=$dati/MVeImpo.txt
sed -i -e '3s/.*/1\r/' -e '7s/.*/1\r/' -e '9s/.*/"Al meglio di 3 Giochi"\r/' -e '21s/.*/"Al termine della Partita"\r/' "$impo"
[[ $(sed -n '8p' "$impo" | tr -d '\r') == '"Appena uno supera 60 punti"' ]] || { echo "line 8 of MVeImpo.txt is not the 60 points' end"; exit 1; }
cp "$impo" "$casa/impo-prima"
# On real time (the ceremony lasts its 31.5 s): the flag crossing the table says the anthem plays.
cat > "$casa/prova.sh" <<'SCRIPT'
set -euo pipefail
source "$ATTESA"
"$1" --autoplay --seed 3 --name Prova --scala 1 & gioco=$!
# The band under the computer's hand that the flag crosses, and the two colours of either flag.
bandiera() {
  local px
  px=$(import -window root -crop 400x60+200+196 +repage -depth 8 txt:- 2>/dev/null)
  { [[ $(grep -c -i '#012169' <<< "$px") -gt 100 && $(grep -c -i '#C8102E' <<< "$px") -gt 100 ]]; } ||
    { [[ $(grep -c -i '#009246' <<< "$px") -gt 100 && $(grep -c -i '#CE2B37' <<< "$px") -gt 100 ]]; }
}
aspetta 600 "the ceremony's flag" bandiera
# The matches recorded so far (a loaded machine may let an earlier ceremony go by unseen).
tr -d '\r\n' < "$MRVELTO_HOME/Dati/MVePart.txt" > "$MRVELTO_HOME/prima"
kill -TERM $gioco
kill -TERM $gioco 2>/dev/null || true  # again while it leaves, if it has not left yet
stato=0
wait $gioco || stato=$?
[[ $stato -eq 143 ]] || { echo "exit status $stato, not 128 + SIGTERM"; exit 1; }
SCRIPT
sotto_xvfb 900 bash "$casa/prova.sh" "$mrvelto"
# The match decided during the ceremony is the one more, once, in each of the three files.
n=$(($(cat "$casa/prima") + 1))
[[ $(tr -d '\r\n' < "$dati/MVePart.txt") == "$n" ]] || { echo "MVePart.txt: $(cat "$dati/MVePart.txt"), not $n"; exit 1; }
[[ $(wc -l < "$dati/MVeAlbo.txt") -eq $((n + 1)) ]] || { echo "MVeAlbo.txt: $(wc -l < "$dati/MVeAlbo.txt") lines for $n matches"; exit 1; }
grep -q "^\"$n)  " "$dati/MVeAlbo.txt" || { echo "match $n is not in the log"; exit 1; }
# Each ranking row: name, matches won, matches lost, date and three flags; every match won once.
vinte=$(awk 'NR <= 70 && NR % 7 == 2 { gsub(/["\r]/, ""); n += $0 } END { print n }' "$dati/MVeClass.txt")
[[ $vinte -eq $n ]] || { echo "MVeClass.txt counts $vinte matches won, not $n"; exit 1; }
# The settings were written on the way out, the run's own options kept.
[[ $impo -nt $casa/impo-prima ]] || { echo "MVeImpo.txt not written on the way out"; exit 1; }
[[ $(sed -n '21p' "$impo" | tr -d '\r') == '"Al termine della Partita"' ]] || { echo "ceremony setting lost"; exit 1; }
echo "1 passed, 0 failed"
