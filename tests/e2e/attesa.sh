# SPDX-License-Identifier: GPL-3.0-or-later
# Waiting under Xvfb for something to happen, never for a fixed time: each helper polls its
# condition until it holds or its deadline passes, then fails the test saying what it waited for.
# A loaded machine only makes the wait longer.

# aspetta SECONDI DESCRIZIONE COMANDO...: until COMANDO succeeds.
aspetta() {
  local secondi=$1 descrizione=$2
  shift 2
  local fine=$((SECONDS + secondi))
  until "$@"; do
    if ((SECONDS >= fine)); then
      echo "waited ${secondi}s in vain: $descrizione"
      return 1
    fi
    sleep 0.05
  done
}

# The first visible window called Mr. VELTO, and its width.
finestra() { xdotool search --onlyvisible --name "Mr. VELTO" 2>/dev/null | head -1; }
larghezza() {
  local w
  w=$(finestra) && [[ -n $w ]] && xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p'
}
larga() { [[ $(larghezza) == "$1" ]]; }

# The colour of one pixel of the screen, as #RRGGBB.
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -1; }
pixel_e() { [[ $(pixel "$1" "$2") == "$3" ]]; }

# A rectangle of the screen (W H X Y) saved to FILE.
ritaglio() { import -window root -crop "$1x$2+$3+$4" +repage "$5" 2>/dev/null; }
# How many pixels of two images differ.
differenza() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
# cambiato W H X Y PRIMA DOPO: the rectangle now differs from PRIMA by more than 50 pixels (kept in DOPO).
cambiato() {
  ritaglio "$1" "$2" "$3" "$4" "$6" && [[ $(differenza "$5" "$6") -gt 50 ]]
}
