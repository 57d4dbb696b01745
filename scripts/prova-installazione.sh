#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package checked by lintian, then installed as a player installs it, `apt install
# ./mrvelto_*.deb`, the game started the way its menu entry starts it, and the package removed
# again. This changes the system (it needs root and leaves nothing behind only if it ends): run it
# on a machine you can spare, as CI does. Usage: scripts/prova-installazione.sh [BUILD]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
[[ $(id -u) == 0 ]] || { echo "prova-installazione: serve root (apt install)"; exit 1; }
if dpkg-query -W -f '${Status}' mrvelto 2>/dev/null | grep -q "install ok installed"; then
  echo "prova-installazione: mrvelto è già installato qui; non lo tocco"; exit 1
fi

lavoro=$(mktemp -d)
installato=0
fine() {
  if [[ $installato == 1 ]]; then DEBIAN_FRONTEND=noninteractive apt-get purge -y -q mrvelto >/dev/null || true; fi
  rm -rf "$lavoro"
}
trap fine EXIT

cpack -G DEB -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip --config "$build/CPackConfig.cmake" -B "$lavoro/cpack" >"$lavoro/cpack.log" 2>&1 ||
  { cat "$lavoro/cpack.log"; exit 1; }
deb=$(ls "$lavoro"/cpack/mrvelto_*.deb)
echo "pacchetto: $(basename "$deb")"
# What a distribution's packager would refuse, before a player gets it: any error or warning fails.
lintian --fail-on error,warning "$deb"
# apt (not dpkg) so that the package's dependencies are resolved as on a player's machine.
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$lavoro/apt.log" 2>&1 || { cat "$lavoro/apt.log"; exit 1; }
installato=1
[[ $(command -v mrvelto) == /usr/bin/mrvelto ]] || { echo "mrvelto non è nel PATH dopo l'installazione"; exit 1; }

voce=/usr/share/applications/it.mrvelto.MrVelto.desktop
desktop-file-validate "$voce"
appstreamcli validate --no-net /usr/share/metainfo/it.mrvelto.MrVelto.metainfo.xml >/dev/null
[[ -f /usr/share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$voce").svg ]] || { echo "l'icona della voce di menu manca"; exit 1; }

# The menu's command, its field codes dropped, with the autoplay's options after it; offscreen,
# on an empty home, and with nothing pointing at the build tree's media.
comando=$(sed -n 's/^Exec=//p' "$voce" | sed 's/ *%[fFuUick]//g')
casa=$lavoro/casa
mkdir -p "$casa"
env -u MRVELTO_MEDIA QT_QPA_PLATFORM=offscreen MRVELTO_HOME="$casa" timeout 300 \
  sh -c "cd / && $comando --autoplay --fast --matches 1 --name Prova" 2>"$lavoro/err" ||
  { cat "$lavoro/err"; echo "il gioco installato non ha finito la partita"; exit 1; }
[[ $(tr -d '\r\n' <"$casa/Dati/MVePart.txt") == 1 ]] || { echo "MVePart.txt: $(cat "$casa/Dati/MVePart.txt")"; exit 1; }
mrvelto --version
# The manual pages where man looks for them.
if command -v man >/dev/null; then
  for pagina in mrvelto mrvelto-sim; do man -w "$pagina" >/dev/null || { echo "man non trova $pagina(6)"; exit 1; }; done
fi
mrvelto-sim match --games 4 --seed 3 >/dev/null

DEBIAN_FRONTEND=noninteractive apt-get purge -y -q mrvelto >"$lavoro/apt.log" 2>&1 || { cat "$lavoro/apt.log"; exit 1; }
installato=0
for f in /usr/bin/mrvelto /usr/share/mrvelto "$voce"; do
  [[ ! -e $f ]] || { echo "rimasto dopo la rimozione: $f"; exit 1; }
done
echo "installato con apt, partita giocata dalla voce di menu, rimosso: ok"
