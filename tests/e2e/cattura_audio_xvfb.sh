#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's sound as a player would hear it: one match with the award ceremony on, captured on
# virtual time. The capture must not be silent, must last exactly the run's virtual time, and
# leaves a spectrogram beside it (in the folder given as second argument, if any).
set -euo pipefail
mrvelto=$1
uscita=${2:-}
source "$(dirname "$(realpath "$0")")/schermo_virtuale.sh"
gioca() {
  sotto_xvfb 300 "$mrvelto" --autoplay --fast --matches 1 --seed 7 --name "Prova" "$@"
}
# A first run writes the settings; then the ceremony goes on at the end of every game.
gioca --audio-capture "$casa/primo.wav" 2> "$casa/primo.err"
impo=$casa/Dati/MVeImpo.txt
[[ $(sed -n '21p' "$impo" | tr -d '\r') == '"No"' ]] || { echo "line 21 of MVeImpo.txt is not the ceremony's \"No\""; exit 1; }
sed -i '21s/.*/"Al termine di ogni Gioco"\r/' "$impo"
gioca --audio-capture "$casa/run.wav" 2> "$casa/run.err"
cat "$casa/run.err"
# The window's sounds: the one line the program prints on the virtual time, and the file's length.
ms=$(sed -n 's/^mrvelto: cattura audio: \([0-9]*\) ms di tempo virtuale$/\1/p' "$casa/run.err")
[[ -n $ms ]] || { echo "no virtual end time on stderr"; exit 1; }
# The same match with the ceremony after every game lasts longer by its anthems and flags.
primo=$(sed -n 's/^mrvelto: cattura audio: \([0-9]*\) ms di tempo virtuale$/\1/p' "$casa/primo.err")
(( ms > primo + 20000 )) || { echo "with the ceremony $ms ms, without $primo ms"; exit 1; }
campioni=$(soxi -s "$casa/run.wav")
attesi=$((ms * 44100 / 1000))
[[ $campioni -eq $attesi ]] || { echo "capture: $campioni samples, virtual time $ms ms = $attesi"; exit 1; }
[[ $(soxi -r "$casa/run.wav") -eq 44100 && $(soxi -c "$casa/run.wav") -eq 2 ]]
# Loud enough to be heard: the RMS of the whole run.
rms=$(sox "$casa/run.wav" -n stats 2>&1 | sed -n 's/^RMS lev dB *\(-\?[0-9.]*\).*/\1/p')
awk -v r="$rms" 'BEGIN { exit !(r > -50) }' || { echo "capture too quiet: RMS $rms dB"; exit 1; }
# Headroom and balance, as the mixer measured them: the peak at most -3 dBFS (also between the
# samples, read at four times the rate), Mr. VELTO's voice over the music and over the card noises.
livelli=$(sed -n 's/^mrvelto: livelli audio: //p' "$casa/run.err")
[[ -n $livelli ]] || { echo "no levels on stderr"; exit 1; }
read -r picco voce rumori musica < <(sed -n 's/^picco \(-\?[0-9.inf]*\) dBFS.*mediane: voce \(-\?[0-9.inf]*\), rumori \(-\?[0-9.inf]*\), musica \(-\?[0-9.inf]*\) dBFS.*/\1 \2 \3 \4/p' <<< "$livelli")
vero=$(sox "$casa/run.wav" -n rate -v 176400 stats 2>&1 | sed -n 's/^Pk lev dB *\(-\?[0-9.]*\).*/\1/p')
awk -v p="$picco" -v t="$vero" -v v="$voce" -v r="$rumori" -v m="$musica" 'BEGIN { exit !(p <= -3 && t <= -3 && v > r && v > m) }' ||
  { echo "levels: $livelli; true peak $vero dBFS"; exit 1; }
# The program left during the last anthem: the match it decided is in all three records files,
# after the first run's match.
dati=$casa/Dati
[[ $(tr -d '\r\n' < "$dati/MVePart.txt") == 2 ]] || { echo "MVePart.txt: $(cat "$dati/MVePart.txt")"; exit 1; }
[[ $(wc -l < "$dati/MVeAlbo.txt") -eq 3 ]] || { echo "MVeAlbo.txt: $(wc -l < "$dati/MVeAlbo.txt") lines"; exit 1; }
[[ $(wc -l < "$dati/MVeClass.txt") -eq 80 ]] || { echo "MVeClass.txt: $(wc -l < "$dati/MVeClass.txt") lines"; exit 1; }
grep -q '^"2)  ' "$dati/MVeAlbo.txt" || { echo "the second match is not in the log"; exit 1; }
# The setting survived the run (it was read, not reset to its default).
[[ $(sed -n '21p' "$impo" | tr -d '\r') == '"Al termine di ogni Gioco"' ]] || { echo "ceremony setting lost"; exit 1; }
echo "virtual time $ms ms, RMS $rms dB, true peak $vero dBFS; $livelli"
if [[ -n $uscita ]]; then
  mkdir -p "$uscita"
  sox "$casa/run.wav" -n spectrogram -x 2000 -y 513 -t "mrvelto --autoplay --fast --matches 1" -o "$uscita/spettro.png"
  cp "$casa/run.wav" "$uscita/run.wav"
fi
echo "1 passed, 0 failed"
