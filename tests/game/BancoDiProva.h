#pragma once
// A table on a virtual clock with a seeded random source, and helpers to drive it step by step.
#include <functional>
#include <memory>

#include "game/Conduttore.h"
#include "game/OraVirtuale.h"
#include "game/Tavolo.h"
#include "player/GiocatorePCProvvisorio.h"

namespace mrvelto::test {

// The interim player, recording when it was asked to choose and how it armed the move.
class GiocatorePCSpia : public GiocatorePCProvvisorio {
public:
    int variazione = 0;  // added by VariaTempoDiRisposta
    int chiamateLivello = 0;
    void VariaTempoDiRisposta(ContestoPC& ctx) override {
        if (variazione != 0)
            ctx.orologio.ImpostaIntervallo(ctx.TimerAttesaDelPCaMuovere,
                                           ctx.orologio.Intervallo(ctx.TimerAttesaDelPCaMuovere) + variazione);
    }
    void ApplicaLivelloDiGioco(ContestoPC&) override { ++chiamateLivello; }
};

struct Banco {
    explicit Banco(std::uint64_t seme = 1, Opzioni opzioni = Opzioni{})
        : caso(seme, OraDaOrologioVirtuale(orologio)),
          tavolo(orologio, caso, std::move(opzioni)),
          avversario(seme * 7919 + 1),
          conduttore(tavolo, avversario) {
        tavolo.ImpostaGiocatorePC(&pc);
        tavolo.ImpostaCalendario([this] { return DataOraPiu(DataOra{}, orologio.Adesso()); });
        tavolo.ImpostaNomeGiocatore("Prova");
    }
    StatoGioco& s() { return tavolo.Stato(); }
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
    AvversarioCasuale avversario;
    Conduttore conduttore;
};

inline Opzioni ConOpzioni(std::initializer_list<std::pair<int, const char*>> valori) {
    Opzioni o;
    for (auto [n, v] : valori) o[n] = v;
    return o;
}

}  // namespace mrvelto::test
