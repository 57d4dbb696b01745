#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Games per second and peak memory of the simulator, on one thread and on every core, and the check
# that both runs sign the same games: `bench/misura_simulatore.sh [build-dir] [games]`.
set -eu
build=${1:-build}
giochi=${2:-10000}
fili=$(nproc)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for j in 1 "$fili"; do
  # The summary goes to a file: a reader on the pipe would take a core from the run it measures.
  /usr/bin/time -v "$build/mrvelto-sim" match --games "$giochi" --seed 1 --jobs "$j" --json 2>"$out/time$j" >"$out/run$j"
done
python3 - "$out" "$fili" <<'PY'
import json, re, sys
cartella, fili = sys.argv[1], sys.argv[2]
firme = set()
for j in ("1", fili):
    d = json.load(open(f"{cartella}/run{j}"))
    t = open(f"{cartella}/time{j}").read()
    rss = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", t).group(1))
    firme.add(d["signature"])
    print(f"--jobs {j}: games {d['games']}  checks {d['checks']}  games/s {d['games_per_second']:.0f}  "
          f"virtual s/game {d['virtual_seconds_per_game']:.2f}  peak RSS {rss/1024:.1f} MiB  signature {d['signature']}")
if len(firme) != 1:
    sys.exit("the signatures differ between the thread counts")
PY
