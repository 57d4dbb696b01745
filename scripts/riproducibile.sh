#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The build is reproducible: two builds of the last commit, in different folders and at different
# times, with SOURCE_DATE_EPOCH set from the commit, give byte-identical media and .deb.
# The first build is BUILD (default build/), brought up to date; the second is made now from the
# commit exported into a temporary folder, and builds only what the package holds (programs,
# media, icons, manual pages), not the tests. Usage: scripts/riproducibile.sh [BUILD]
# On a difference it lists what differs and keeps both packages in the folder it names.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_a=$(cd "${1:-$root/build}" && pwd)
[[ -f $build_a/CPackConfig.cmake ]] || { echo "riproducibile: $build_a non è una cartella di build configurata"; exit 1; }
if [[ -n $(git -C "$root" status --porcelain --untracked-files=no) ]]; then
  echo "riproducibile: ci sono modifiche non registrate; il controllo confronta l'ultimo commit con la build: registrale prima"
  exit 1
fi
SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
lavoro=$(mktemp -d /tmp/riproducibile.XXXXXX)
tieni=0
trap '[[ $tieni == 1 ]] || rm -rf "$lavoro"' EXIT

cache() { sed -n "s/^$1:[A-Z]*=//p" "$build_a/CMakeCache.txt"; }
tipo=$(cache CMAKE_BUILD_TYPE)
generatore=$(cache CMAKE_GENERATOR)

echo "riproducibile: prima build $build_a (SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH)"
cmake --build "$build_a" -j2 >/dev/null

echo "riproducibile: seconda build in $lavoro/build"
mkdir "$lavoro/sorgenti"
git -C "$root" archive HEAD | tar -x -C "$lavoro/sorgenti"
# Without the dependency of `install` on `all`, CPack installs what the targets below built.
cmake -S "$lavoro/sorgenti" -B "$lavoro/build" -G "$generatore" -DCMAKE_BUILD_TYPE="$tipo" \
  -DMRVELTO_WITH_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >"$lavoro/configura.log" 2>&1 ||
  { cat "$lavoro/configura.log"; exit 1; }
# No compiler cache: the second build compiles everything itself.
CCACHE_DISABLE=1 cmake --build "$lavoro/build" -j2 --target mrvelto mrvelto-sim mrvelto_media mrvelto_grafica mrvelto_icone \
  mrvelto_man mrvelto_changelog >"$lavoro/build.log" 2>&1 || { tail -40 "$lavoro/build.log"; exit 1; }

for lato in a b; do
  [[ $lato == a ]] && b=$build_a || b=$lavoro/build
  cpack -G DEB --config "$b/CPackConfig.cmake" -B "$lavoro/pacchetto-$lato" >"$lavoro/cpack-$lato.log" 2>&1 ||
    { cat "$lavoro/cpack-$lato.log"; exit 1; }
done
deb_a=$(ls "$lavoro"/pacchetto-a/mrvelto_*.deb)
deb_b=$(ls "$lavoro"/pacchetto-b/mrvelto_*.deb)
sha256sum "$deb_a" "$deb_b"

esito=0
# The generated media, file by file, as the two builds left them.
if ! diff -r "$build_a/share/mrvelto" "$lavoro/build/share/mrvelto" >"$lavoro/media.diff"; then
  echo "riproducibile: i media generati differiscono:"
  sed 's/^/  /' "$lavoro/media.diff" | head -40
  esito=1
fi
if ! cmp -s "$deb_a" "$deb_b"; then
  echo "riproducibile: i due pacchetti differiscono:"
  for lato in a b; do
    d=$lavoro/pacchetto-$lato
    mkdir "$d/aperto"
    dpkg-deb -R "$d"/mrvelto_*.deb "$d/aperto"
    ar tv "$d"/mrvelto_*.deb >"$d/ar.txt"
    dpkg-deb --fsys-tarfile "$d"/mrvelto_*.deb | tar -tv --full-time >"$d/data.txt"
  done
  diff "$lavoro/pacchetto-a/ar.txt" "$lavoro/pacchetto-b/ar.txt" | sed 's/^/  ar: /' || true
  diff "$lavoro/pacchetto-a/data.txt" "$lavoro/pacchetto-b/data.txt" | head -20 | sed 's/^/  data.tar: /' || true
  diff -r "$lavoro/pacchetto-a/aperto" "$lavoro/pacchetto-b/aperto" | head -20 | sed 's/^/  /' || true
  esito=1
fi
if [[ $esito != 0 ]]; then
  tieni=1
  echo "riproducibile: NON riproducibile; i due pacchetti restano in $lavoro"
  exit 1
fi
echo "riproducibile: media e pacchetto identici byte per byte nelle due build: ok"
