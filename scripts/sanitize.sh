#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the core tests with AddressSanitizer and UndefinedBehaviorSanitizer and runs them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
dir="$root/build-asan"
"$root/scripts/build.sh" "$dir" -DMRVELTO_SANITIZE=ON -DMRVELTO_WITH_QT=OFF -DMRVELTO_WITH_BENCH=OFF -DMRVELTO_WITH_MEDIA=OFF -DCMAKE_BUILD_TYPE=Debug
cd "$dir"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j2
