// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Independent pieces of a run (sessions of games, paired deals) spread over threads. Each piece
// writes only its own result slot, and the caller adds the slots up in index order, so the sums and
// the signature do not depend on how many threads took part or which one ran what.
#include <cstddef>
#include <functional>

namespace mrvelto::sim {

// The threads `--jobs 0` means: one per core the system reports (at least one).
unsigned FiliPredefiniti();

// Runs `lavoro(i)` for i = 0 .. n-1 on `fili` threads, each taking the next index in turn; with one
// thread, on the caller's. When `lavoro(i)` returns false (a check failed there), no index above i
// is started any more: what comes after the first failure is not needed. The first exception, by
// index, is rethrown once every thread has stopped.
void InParallelo(std::size_t n, unsigned fili, const std::function<bool(std::size_t)>& lavoro);

}  // namespace mrvelto::sim
