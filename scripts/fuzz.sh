#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds every libFuzzer target (clang, core instrumented, optimised) into build-fuzz and runs each
# for MRVELTO_FUZZ_SECONDS (30) on a copy of its seed corpus, so that the inputs it finds stay out
# of the repository. Fails if any fuzzer stops on a crash, leak or timeout; the inputs that did it
# are kept in build-fuzz/artifacts.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
dir="$root/build-fuzz"
seconds=${MRVELTO_FUZZ_SECONDS:-30}
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
# Configured on every run: a build-fuzz left by an older, unoptimised set-up gets the build type too.
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" "${gen[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMRVELTO_FUZZ=ON -DMRVELTO_WITH_QT=OFF -DMRVELTO_WITH_BENCH=OFF >/dev/null
cmake --build "$dir" --target mrvelto_fuzz -j"${CMAKE_BUILD_PARALLEL_LEVEL:-2}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$dir/artifacts"
mkdir -p "$dir/artifacts"
failed=()
summary=()
for source in "$root"/fuzz/Fuzz_*.cpp; do
  name=$(basename "$source" .cpp)
  name=${name#Fuzz_}
  corpus="$work/corpus-$name"
  mkdir -p "$corpus"
  if [[ -d "$root/fuzz/corpus/$name" ]]; then
    cp -R "$root/fuzz/corpus/$name/." "$corpus/"
  fi
  log="$work/$name.log"
  echo "fuzz: fuzz_$name for ${seconds} s"
  status=0
  "$dir/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$dir/artifacts/$name-" "$corpus" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  if ((status != 0)); then
    tail -n 60 "$log"
    failed+=("fuzz_$name")
    summary+=("fuzz_$name: FAILED (exit $status) after ${runs:-?} runs")
  else
    summary+=("fuzz_$name: ${runs:-?} runs, $(find "$corpus" -type f | wc -l) corpus inputs")
  fi
done
printf '%s\n' "${summary[@]}"
if ((${#failed[@]})); then
  echo "fuzz: failed: ${failed[*]} (inputs in $dir/artifacts)" >&2
  exit 1
fi
