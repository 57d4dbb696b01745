#!/bin/sh
# Games per second and peak memory of the simulator: `bench/misura_simulatore.sh [build-dir] [games]`.
set -eu
build=${1:-build}
giochi=${2:-10000}
out=$(mktemp)
/usr/bin/time -v "$build/mrvelto-sim" match --games "$giochi" --seed 1 --json 2>"$out.time" >"$out"
python3 - "$out" "$out.time" <<'PY'
import json, re, sys
d = json.load(open(sys.argv[1]))
t = open(sys.argv[2]).read()
rss = re.search(r"Maximum resident set size \(kbytes\): (\d+)", t).group(1)
print(f"games {d['games']}  checks {d['checks']}  games/s {d['games_per_second']:.0f}  "
      f"virtual s/game {d['virtual_seconds_per_game']:.2f}  peak RSS {int(rss)/1024:.1f} MiB")
PY
rm -f "$out" "$out.time"
