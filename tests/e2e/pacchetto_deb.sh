#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package from the build tree: its dependencies, its files, and the game started from
# the unpacked folder (not /usr) with nothing but the package to find its media in.
set -euo pipefail
cpack=$1 build=$2
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
# gzip rather than the release's xz: half the time, and the test looks at the contents, not the size.
"$cpack" -G DEB -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip --config "$build/CPackConfig.cmake" -B "$lavoro/cpack" >"$lavoro/cpack.log" 2>&1 || { cat "$lavoro/cpack.log"; exit 1; }
deb=$(ls "$lavoro"/cpack/mrvelto_*.deb)
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) kB"
dipende=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $dipende"
for d in fluid-soundfont-gm fonts-dejavu-core libqt6widgets6 libqt6multimedia6 libfluidsynth3 libc6; do
  grep -q "\b$d\b" <<<"$dipende" || { echo "Depends lacks $d"; exit 1; }
done

radice=$lavoro/radice
dpkg -x "$deb" "$radice"
for f in usr/bin/mrvelto usr/bin/mrvelto-sim usr/share/mrvelto/MVeOpzio.txt usr/share/mrvelto/Durate.txt \
         usr/share/mrvelto/Napoleta/Ad1.jpg usr/share/mrvelto/Grafica/Italia.bmp usr/share/mrvelto/Musiche/MVeSigla.Mid \
         usr/share/mrvelto/Commenti/Inizio/Inizio01.wav usr/share/applications/it.mrvelto.MrVelto.desktop \
         usr/share/metainfo/it.mrvelto.MrVelto.metainfo.xml usr/share/icons/hicolor/scalable/apps/mrvelto.svg \
         usr/share/icons/hicolor/48x48/apps/mrvelto.png usr/share/man/man6/mrvelto.6.gz usr/share/man/man6/mrvelto-sim.6.gz \
         usr/share/doc/mrvelto/protocollo-avversario-esterno.md usr/share/doc/mrvelto/examples/bots/goloso.py; do
  [[ -e "$radice/$f" ]] || { echo "missing from the package: $f"; exit 1; }
done
# Every file the build made for the media folder is in the package.
( cd "$build/share/mrvelto" && find . -type f | sort ) >"$lavoro/costruiti"
( cd "$radice/usr/share/mrvelto" && find . -type f | sort ) >"$lavoro/impacchettati"
if ! diff "$lavoro/costruiti" "$lavoro/impacchettati"; then echo "media in the build tree and in the package differ"; exit 1; fi

# One match played from the unpacked tree; the build tree's media must not stand in for its own.
casa=$lavoro/casa
mkdir -p "$casa"
esegui() { env -u MRVELTO_MEDIA QT_QPA_PLATFORM=offscreen MRVELTO_HOME="$casa" timeout 300 "$@"; }
esegui "$radice/usr/bin/mrvelto" --autoplay --fast --matches 1 --name Prova 2>"$lavoro/err" || { cat "$lavoro/err"; echo "the unpacked game failed"; exit 1; }
[[ $(tr -d '\r\n' < "$casa/Dati/MVePart.txt") == 1 ]] || { echo "MVePart.txt: $(cat "$casa/Dati/MVePart.txt")"; exit 1; }
esegui "$radice/usr/bin/mrvelto-sim" match --games 4 --seed 3 >/dev/null
# Without the media next to it the same binary refuses to start: the run above did find them.
mv "$radice/usr/share/mrvelto" "$radice/usr/share/altrove"
if esegui "$radice/usr/bin/mrvelto" --autoplay --fast --matches 1 --name Prova 2>"$lavoro/err"; then
  echo "the game started without its media"; exit 1
fi
grep -q "non trovo le immagini" "$lavoro/err" || { cat "$lavoro/err"; exit 1; }
echo "1 passed, 0 failed"
