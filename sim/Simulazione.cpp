#include "sim/Simulazione.h"

#include <chrono>

#include "game/Conduttore.h"
#include "game/OraVirtuale.h"
#include "game/VerificaGioco.h"
#include "sim/AvversarioEsterno.h"
#include "sim/Firma.h"
#include "sim/Avversari.h"

namespace mrvelto::sim {

RisultatoSimulazione Simula(const OpzioniMatch& o) {
    RisultatoSimulazione r;
    r.firma = 0xCBF29CE484222325ULL;
    auto avversario = CreaAvversario(o.avversario, SplitMix64(o.seme), o);
    if (!avversario) {
        r.violazione = "avversario sconosciuto \"" + o.avversario + "\"";
        return r;
    }
    OrologioVirtuale orologio;
    CasoConSeme caso(o.seme, OraDaOrologioVirtuale(orologio));
    auto giocatore = CreaGiocatorePC(o, caso);
    Opzioni opzioni;
    for (const auto& [n, valore] : o.opzioni) opzioni[n] = valore;
    const DataOra inizio{};
    Tavolo tavolo(orologio, caso, [&orologio, inizio] { return DataOraPiu(inizio, orologio.Adesso()); }, opzioni);
    tavolo.ImpostaGiocatorePC(giocatore.get());
    tavolo.ImpostaNomeGiocatore(avversario->Nome());
    const bool sessanta = tavolo.Opz()[OpzConclusioneGioco] == "Appena uno supera 60 punti";

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
        Mescola(r.firma, e.PuntiH);
        Mescola(r.firma, e.PuntiPC);
        Mescola(r.firma, e.prese);
        Mescola(r.firma, e.GiocoIniziatoDa == Chi::H ? 1 : 2);
        Mescola(r.firma, e.fine);
        if (r.violazione.empty()) {
            std::string v = VerificaGioco(e, sessanta);
            if (v.empty() && tavolo.Anomalie() != 0) v = "il flusso non ha trovato una carta da giocare o una presa da prendere";
            if (!v.empty()) {
                r.violazione = v;
                r.giocoViolazione = r.giochi;
            }
        }
    };

    auto ascolto = tavolo.Eventi().Iscrivi([&](const Evento& e) {
        if (const auto* fine = std::get_if<evento::GiocoConcluso>(&e)) fineGioco(fine->esito);
    });
    CollegaAlTavolo(*avversario, tavolo);
    Conduttore conduttore(tavolo, orologio, *avversario);
    const auto t0 = std::chrono::steady_clock::now();
    tavolo.Avvia();
    const std::uint64_t passi0 = orologio.PassiEseguiti();
    for (std::uint64_t g = 1; g <= o.giochi && r.violazione.empty(); ++g) {
        if (!conduttore.FinoAGiochi(g, o.limitePassiPerGioco)) {
            r.violazione = conduttore.LimiteRaggiunto()
                               ? "limite di passi raggiunto (--max-steps " + std::to_string(o.limitePassiPerGioco) + ") nel gioco " + std::to_string(g)
                               : "il flusso si è bloccato (nessun passo e nessuna mossa possibile) nel gioco " + std::to_string(g);
            r.giocoViolazione = g;
        }
    }
    r.secondiReali = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    r.passi = orologio.PassiEseguiti() - passi0;
    if (!r.violazione.empty()) r.riproduci = o.RigaDiComando(r.giocoViolazione);
    return r;
}

}  // namespace mrvelto::sim
