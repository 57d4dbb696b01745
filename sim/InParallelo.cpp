// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/InParallelo.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace mrvelto::sim {

unsigned FiliPredefiniti() { return std::max(1u, std::thread::hardware_concurrency()); }

void InParallelo(std::size_t n, unsigned fili, const std::function<bool(std::size_t)>& lavoro) {
    std::atomic<std::size_t> prossimo{0};
    std::atomic<std::size_t> limite{n};  // one past the first index that failed
    std::mutex guardia;
    std::exception_ptr errore;
    std::size_t indiceErrore = n;

    auto ferma = [&limite](std::size_t i) {
        std::size_t attuale = limite.load();
        while (i + 1 < attuale && !limite.compare_exchange_weak(attuale, i + 1)) {
        }
    };
    auto filo = [&] {
        for (;;) {
            const std::size_t i = prossimo.fetch_add(1);
            if (i >= limite.load()) return;
            try {
                if (!lavoro(i)) ferma(i);
            } catch (...) {
                std::lock_guard<std::mutex> g(guardia);
                if (i < indiceErrore) {
                    indiceErrore = i;
                    errore = std::current_exception();
                }
                ferma(i);
            }
        }
    };

    const std::size_t quanti = std::min<std::size_t>(std::max(1u, fili), n);
    if (quanti <= 1) {
        filo();
    } else {
        std::vector<std::thread> altri;
        altri.reserve(quanti - 1);
        for (std::size_t t = 1; t < quanti; ++t) altri.emplace_back(filo);
        filo();
        for (auto& t : altri) t.join();
    }
    if (errore) std::rethrow_exception(errore);
}

}  // namespace mrvelto::sim
