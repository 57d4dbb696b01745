// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/SimulazioneAppaiata.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "game/Conduttore.h"
#include "game/Tavolo.h"
#include "game/VerificaGioco.h"
#include "player/GiocatoreVelto.h"
#include "player/GiocatoriDiRiferimento.h"
#include "sim/AvversarioEsterno.h"
#include "sim/Firma.h"
#include "sim/InParallelo.h"
#include "game/Opzioni.h"

namespace mrvelto::sim {

namespace {

OraMinSec OraFissa() { return {}; }

struct EsitoPartita {
    bool ok = false;
    EsitoGioco esito;
    std::string violazione;
};

// One game on a fresh table. `veltoAlPC`: Mr. VELTO at `livello` sits on the computer's seat and
// the opponent on the human's; otherwise the other way round.
// `esterno`: the session of --opponent-cmd, which plays the opponent's seat; nullptr otherwise.
EsitoPartita Gioca(const OpzioniMatch& o, std::uint64_t semeMazzo, std::uint64_t semeGiocatori, Chi primo, bool veltoAlPC,
                   SessioneEsterna* esterno) {
    OrologioVirtuale orologio;
    CasoConSeme caso(semeMazzo, OraFissa);  // the deal depends on the seed alone, not on the game's pace
    CasoConSeme casoPC(SplitMix64(semeGiocatori ^ 0xA5A5), OraFissa);
    const bool avversarioVelto = o.avversario == "velto";
    Opzioni opzioni;
    for (const auto& [n, valore] : o.opzioni) opzioni.ImpostaTesto(n, valore);  // checked when the flags were read
    opzioni.ImpostaTesto(OpzAbilita, TestoLivello(veltoAlPC ? o.livello : o.livelloAvversario));

    std::unique_ptr<Giocatore> pc;
    std::unique_ptr<Giocatore> h;
    auto avversario = [&](std::uint64_t seme) -> std::unique_ptr<Giocatore> {
        if (esterno) return std::make_unique<GiocatoreEsterno>(*esterno, seme);
        return CreaGiocatore(o.avversario, o.livelloAvversario, seme);
    };
    if (veltoAlPC) {
        pc = std::make_unique<GiocatoreVelto>(casoPC);
        h = avversario(SplitMix64(semeGiocatori ^ 0x5A5A));
    } else {
        if (avversarioVelto)
            pc = std::make_unique<GiocatoreVelto>(casoPC);
        else
            pc = avversario(SplitMix64(semeGiocatori ^ 0xA5A5));
        h = CreaGiocatore("velto", o.livello, SplitMix64(semeGiocatori ^ 0x5A5A));
    }

    Tavolo tavolo(orologio, caso, [&orologio] { return DataOraPiu(DataOra{}, orologio.Adesso()); }, opzioni);
    tavolo.ImpostaGiocatorePC(pc.get());
    tavolo.ImpostaNomeGiocatore(h->Nome());
    tavolo.ImpostaChiIniziaIlPrimoGioco(primo);
    const bool sessanta = !tavolo.Opz().FinoUltimaPresa();
    EsitoPartita r;
    auto ascolto = tavolo.Eventi().Iscrivi([&](const Evento& ev) {
        const auto* fine = std::get_if<evento::GiocoConcluso>(&ev);
        if (!fine) return;
        const EsitoGioco& e = fine->esito;
        r.ok = true;
        r.esito = e;
        r.violazione = VerificaGioco(e, sessanta);
        if (r.violazione.empty() && tavolo.Anomalie() != 0) r.violazione = "il flusso non ha trovato una carta da giocare o una presa da prendere";
    });
    if (esterno) esterno->Collega(tavolo);
    Conduttore conduttore(tavolo, orologio, *h);
    tavolo.Avvia();
    if (!conduttore.FinoAGiochi(1, o.limitePassiPerGioco))
        r.violazione = conduttore.LimiteRaggiunto() ? "limite di passi raggiunto (--max-steps " + std::to_string(o.limitePassiPerGioco) + ")"
                                                    : "il flusso si è bloccato";
    else if (!r.ok)
        r.violazione = "il flusso si è bloccato";
    return r;
}

}  // namespace

std::string TestoLivello(char lettera) {
    const auto ciclo = CicloOpzione(OpzAbilita);
    const auto i = static_cast<std::size_t>(lettera - 'A');
    return i < ciclo.size() ? std::string(ciclo[i]) : std::string(ciclo.front());
}

double MezzoIntervallo95(double, double varianza, std::uint64_t n) {
    return n > 1 ? 1.96 * std::sqrt(varianza / static_cast<double>(n)) : 0.0;
}

namespace {

// One deal played twice (once when --games is odd and this is the last): Mr. VELTO's side.
struct EsitoMano {
    int giochi = 0;
    int vinti = 0, persi = 0, pareggi = 0;
    std::uint64_t punti = 0, puntiAvversario = 0;
    std::vector<std::int64_t> firma;  // what each game adds to the signature, in order
    double media = 0;                 // Mr. VELTO's score over the deal's games (a draw counts half)
    std::string violazione;           // the first check that failed, in game `giochi`
};

EsitoMano GiocaMano(const OpzioniMatch& o, std::uint64_t d, int giochi, SessioneEsterna* esterno) {
    EsitoMano m;
    const std::uint64_t semeMazzo = SplitMix64(o.seme * 0x100000001B3ULL + d);
    const Chi primo = d % 2 == 0 ? Chi::PC : Chi::H;  // the seat that leads alternates by deal
    double somma = 0;
    for (int scambio = 0; scambio < giochi; ++scambio) {
        const bool veltoAlPC = scambio == 0;
        const EsitoPartita e =
            Gioca(o, semeMazzo, SplitMix64(semeMazzo + 1 + static_cast<std::uint64_t>(scambio)), primo, veltoAlPC, esterno);
        ++m.giochi;
        if (!e.violazione.empty()) {
            m.violazione = e.violazione;
            return m;
        }
        const int mie = veltoAlPC ? e.esito.PuntiPC : e.esito.PuntiH;
        const int sue = veltoAlPC ? e.esito.PuntiH : e.esito.PuntiPC;
        const Chi vincitore = e.esito.Vincitore;  // by seat
        const bool vinto = (vincitore == Chi::PC && veltoAlPC) || (vincitore == Chi::H && !veltoAlPC);
        if (vincitore == Chi::Nessuno) {
            ++m.pareggi;
            somma += 0.5;
        } else if (vinto) {
            ++m.vinti;
            somma += 1;
        } else {
            ++m.persi;
        }
        m.punti += static_cast<std::uint64_t>(mie);
        m.puntiAvversario += static_cast<std::uint64_t>(sue);
        m.firma.insert(m.firma.end(), {mie, sue, e.esito.prese});
    }
    m.media = somma / m.giochi;
    return m;
}

}  // namespace

RisultatoAppaiato SimulaAppaiata(const OpzioniMatch& o) {
    RisultatoAppaiato r;
    r.firma = 0xCBF29CE484222325ULL;
    const std::uint64_t mani = (o.giochi + 1) / 2;
    // An outside program is one process playing the run's games in order: it gets one thread.
    const auto esterno = CreaSessioneEsterna(o);
    std::vector<EsitoMano> esiti(mani);
    const auto t0 = std::chrono::steady_clock::now();
    InParallelo(mani, esterno ? 1u : o.fili, [&](std::size_t d) {
        const int giochi = static_cast<int>(std::min<std::uint64_t>(2, o.giochi - 2 * d));
        esiti[d] = GiocaMano(o, d, giochi, esterno.get());
        return esiti[d].violazione.empty();
    });
    r.secondiReali = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    std::vector<double> perMano;
    perMano.reserve(mani);
    for (const EsitoMano& m : esiti) {
        r.giochi += static_cast<std::uint64_t>(m.giochi);
        r.vinti += static_cast<std::uint64_t>(m.vinti);
        r.persi += static_cast<std::uint64_t>(m.persi);
        r.pareggi += static_cast<std::uint64_t>(m.pareggi);
        r.punti += m.punti;
        r.puntiAvversario += m.puntiAvversario;
        for (std::int64_t v : m.firma) Mescola(r.firma, v);
        if (!m.violazione.empty()) {
            r.violazione = m.violazione;
            r.giocoViolazione = r.giochi;
            break;
        }
        perMano.push_back(m.media);
    }
    if (r.giochi > 0) r.tasso = (static_cast<double>(r.vinti) + 0.5 * static_cast<double>(r.pareggi)) / static_cast<double>(r.giochi);
    if (perMano.size() > 1) {
        double media = 0, var = 0;
        for (double x : perMano) media += x;
        media /= static_cast<double>(perMano.size());
        for (double x : perMano) var += (x - media) * (x - media);
        var /= static_cast<double>(perMano.size() - 1);
        r.intervallo = MezzoIntervallo95(media, var, perMano.size());
    }
    return r;
}

}  // namespace mrvelto::sim
