// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Simulazione.h"

#include <chrono>
#include <vector>

#include "game/Conduttore.h"
#include "game/OraVirtuale.h"
#include "game/VerificaGioco.h"
#include "sim/AvversarioEsterno.h"
#include "sim/Avversari.h"
#include "sim/Firma.h"
#include "sim/InParallelo.h"

namespace mrvelto::sim {

namespace {

// One session's games: the counts of RisultatoSimulazione, and the figures each game adds to the
// signature, in order, so that the sessions can be signed in turn whoever played them.
struct EsitoSeduta {
    RisultatoSimulazione r;
    std::vector<std::int64_t> firma;
};

std::uint64_t SemeSeduta(std::uint64_t seme, std::uint64_t seduta) { return seme + seduta * 0x9E3779B97F4A7C15ULL; }

// Games `primo` .. `primo + giochi - 1` of the run: a player sitting down at a fresh table, with the
// session's own seed, clock and opponent. Stops at the first game that fails a check.
EsitoSeduta GiocaSeduta(const OpzioniMatch& o, std::uint64_t seduta, std::uint64_t primo, std::uint64_t giochi,
                        SessioneEsterna* esterno) {
    EsitoSeduta s;
    RisultatoSimulazione& r = s.r;
    s.firma.reserve(giochi * 5);
    const std::uint64_t seme = SemeSeduta(o.seme, seduta);
    std::unique_ptr<Giocatore> avversario = esterno ? std::make_unique<GiocatoreEsterno>(*esterno, SplitMix64(seme))
                                                    : CreaAvversario(o.avversario, SplitMix64(seme), o);
    OrologioVirtuale orologio;
    CasoConSeme caso(seme, OraDaOrologioVirtuale(orologio));
    auto giocatore = CreaGiocatorePC(o, caso);
    Opzioni opzioni;
    for (const auto& [n, valore] : o.opzioni) opzioni.ImpostaTesto(n, valore);  // checked when the flags were read
    const DataOra inizio{};
    Tavolo tavolo(orologio, caso, [&orologio, inizio] { return DataOraPiu(inizio, orologio.Adesso()); }, opzioni);
    tavolo.ImpostaGiocatorePC(giocatore.get());
    tavolo.ImpostaNomeGiocatore(avversario->Nome());
    const bool sessanta = !tavolo.Opz().FinoUltimaPresa();

    auto fineGioco = [&](const EsitoGioco& e) {
        ++r.giochi;
        if (e.Vincitore == Chi::H) ++r.vintiH;
        else if (e.Vincitore == Chi::PC) ++r.vintiPC;
        else ++r.pareggi;
        if (e.partitaFinita) ++r.partite;
        r.puntiH += static_cast<std::uint64_t>(e.PuntiH);
        r.puntiPC += static_cast<std::uint64_t>(e.PuntiPC);
        r.prese += static_cast<std::uint64_t>(e.prese);
        r.millisecondiVirtuali = e.fine;
        s.firma.insert(s.firma.end(), {e.PuntiH, e.PuntiPC, e.prese, e.GiocoIniziatoDa == Chi::H ? 1 : 2, e.fine});
        if (r.violazione.empty()) {
            std::string v = VerificaGioco(e, sessanta);
            if (v.empty() && tavolo.Anomalie() != 0) v = "il flusso non ha trovato una carta da giocare o una presa da prendere";
            if (!v.empty()) {
                r.violazione = v;
                r.giocoViolazione = primo + r.giochi - 1;
            }
        }
    };

    auto ascolto = tavolo.Eventi().Iscrivi([&](const Evento& e) {
        if (const auto* fine = std::get_if<evento::GiocoConcluso>(&e)) fineGioco(fine->esito);
    });
    if (esterno) esterno->Collega(tavolo);
    Conduttore conduttore(tavolo, orologio, *avversario);
    tavolo.Avvia();
    const std::uint64_t passi0 = orologio.PassiEseguiti();
    for (std::uint64_t g = 1; g <= giochi && r.violazione.empty(); ++g) {
        if (!conduttore.FinoAGiochi(g, o.limitePassiPerGioco)) {
            const std::uint64_t nelRun = primo + g - 1;
            r.violazione = conduttore.LimiteRaggiunto()
                               ? "limite di passi raggiunto (--max-steps " + std::to_string(o.limitePassiPerGioco) + ") nel gioco " +
                                     std::to_string(nelRun)
                               : "il flusso si è bloccato (nessun passo e nessuna mossa possibile) nel gioco " + std::to_string(nelRun);
            r.giocoViolazione = nelRun;
        }
    }
    r.passi = orologio.PassiEseguiti() - passi0;
    return s;
}

}  // namespace

RisultatoSimulazione Simula(const OpzioniMatch& o) {
    RisultatoSimulazione r;
    r.firma = 0xCBF29CE484222325ULL;
    if (!AvversarioNoto(o)) {
        r.violazione = "avversario sconosciuto \"" + o.avversario + "\"";
        return r;
    }
    // An outside program is one process that sees the run's games in order: it gets one thread.
    const auto esterno = CreaSessioneEsterna(o);
    const unsigned fili = esterno ? 1u : o.fili;
    const std::uint64_t sedute = (o.giochi + kGiochiPerSeduta - 1) / kGiochiPerSeduta;
    std::vector<EsitoSeduta> esiti(sedute);

    const auto t0 = std::chrono::steady_clock::now();
    InParallelo(sedute, fili, [&](std::size_t i) {
        const std::uint64_t primo = i * kGiochiPerSeduta + 1;
        const std::uint64_t giochi = std::min(kGiochiPerSeduta, o.giochi - i * kGiochiPerSeduta);
        esiti[i] = GiocaSeduta(o, i, primo, giochi, esterno.get());
        return esiti[i].r.violazione.empty();
    });
    r.secondiReali = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    for (const EsitoSeduta& s : esiti) {
        const RisultatoSimulazione& p = s.r;
        r.giochi += p.giochi;
        r.vintiH += p.vintiH;
        r.vintiPC += p.vintiPC;
        r.pareggi += p.pareggi;
        r.partite += p.partite;
        r.puntiH += p.puntiH;
        r.puntiPC += p.puntiPC;
        r.prese += p.prese;
        r.millisecondiVirtuali += p.millisecondiVirtuali;
        r.passi += p.passi;
        for (std::int64_t v : s.firma) Mescola(r.firma, v);
        if (!p.violazione.empty()) {
            r.violazione = p.violazione;
            r.giocoViolazione = p.giocoViolazione;
            break;
        }
    }
    if (!r.violazione.empty()) r.riproduci = o.RigaDiComando(r.giocoViolazione);
    return r;
}

}  // namespace mrvelto::sim
