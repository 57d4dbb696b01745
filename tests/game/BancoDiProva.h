// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table on a virtual clock with a seeded random source, and helpers to drive it step by step.
#include <functional>
#include <memory>

#include <random>

#include "game/Conduttore.h"
#include "game/OraVirtuale.h"
#include "game/Tavolo.h"
#include "support/TestoOpzioni.h"

namespace mrvelto::test {

// Plays the first card of its hand, recording what the flow asked of it.
class GiocatorePCSpia : public Giocatore {
public:
    int variazione = 0;  // returned by VariaTempoDiRisposta
    int chiamateLivello = 0;
    int scelte = 0;
    int Scegli(const VistaGiocatore& vista) override {
        ++scelte;
        const int primo = vista.posto == Chi::PC ? 1 : 4;
        for (int i = 0; i < 3; ++i)
            if (vista.mano[static_cast<std::size_t>(i)]) return primo + i;
        return 0;
    }
    int VariaTempoDiRisposta() override { return variazione; }
    int ApplicaLivelloDiGioco(const VistaGiocatore&, char, int scelta) override {
        ++chiamateLivello;
        return scelta;
    }
};

// The human's side: a uniformly random card of the hand, from its own stream.
class GiocatoreCasuale : public Giocatore {
public:
    explicit GiocatoreCasuale(std::uint64_t seme) : gen_(seme) {}
    int Scegli(const VistaGiocatore& vista) override {
        const int primo = vista.posto == Chi::PC ? 1 : 4;
        int carte[3], n = 0;
        for (int i = 0; i < 3; ++i)
            if (vista.mano[static_cast<std::size_t>(i)]) carte[n++] = primo + i;
        if (n == 0) return 0;
        return carte[std::uniform_int_distribution<int>(0, n - 1)(gen_)];
    }

private:
    std::mt19937_64 gen_;
};

struct Banco {
    explicit Banco(std::uint64_t seme = 1, Opzioni opzioni = Opzioni{})
        : caso(seme, OraDaOrologioVirtuale(orologio)),
          tavolo(orologio, caso, [this] { return DataOraPiu(DataOra{}, orologio.Adesso()); }, std::move(opzioni)),
          avversario(seme * 7919 + 1),
          conduttore(tavolo, orologio, avversario) {
        tavolo.ImpostaGiocatorePC(&pc);
        tavolo.ImpostaNomeGiocatore("Prova");
    }
    const StatoGioco& s() { return tavolo.Stato(); }
    const Presentazione& v() { return tavolo.Vista(); }
    const TimerTavolo& t() { return tavolo.Timer(); }
    bool Armato(OrologioVirtuale::Id id) { return orologio.Abilitato(id); }

    // Runs the driver (human side random) until `fatto` holds; false if it never does.
    bool Fino(const std::function<bool()>& fatto, int limite = 200000) {
        for (int i = 0; i < limite; ++i) {
            if (fatto()) return true;
            if (!conduttore.Passo()) return fatto();
        }
        return false;
    }
    // Runs only the clock (the human does nothing) until `fatto` holds.
    bool SoloOrologioFino(const std::function<bool()>& fatto, int limite = 200000) {
        for (int i = 0; i < limite; ++i) {
            if (fatto()) return true;
            if (!orologio.EseguiProssimo()) return fatto();
        }
        return false;
    }
    // Deals the first game (Avvia) and runs the 8 deal firings.
    void Distribuisci() {
        tavolo.Avvia();
        SoloOrologioFino([this] { return !Armato(t().DistribuisciCarte); });
    }

    OrologioVirtuale orologio;
    CasoConSeme caso;
    Tavolo tavolo;
    GiocatorePCSpia pc;
    GiocatoreCasuale avversario;
    Conduttore conduttore;
};

inline Opzioni ConOpzioni(std::initializer_list<std::pair<int, const char*>> valori) {
    Opzioni o;
    for (auto [n, v] : valori) Imposta(o, n, v);
    return o;
}

}  // namespace mrvelto::test
