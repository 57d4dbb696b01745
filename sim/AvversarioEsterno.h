// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An outside program on a seat of the table (`--opponent-cmd`): started once for the whole run,
// told when each game starts and ends, and asked for every move of its seat with what a person in
// that seat may know (sim/Osservazione.h; the protocol is in docs/protocollo-avversario-esterno.md).
// Any failure of the program (an illegal or malformed answer, an exit, a silence past the timeout)
// throws ErroreAvversarioEsterno with a one-line message; the program is killed first.
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "game/Giocatore.h"
#include "game/Tavolo.h"
#include "sim/Osservazione.h"
#include "sim/ProcessoFiglio.h"
#include "sim/SequenzaGiocate.h"

namespace mrvelto::sim {

struct OpzioniMatch;

class ErroreAvversarioEsterno : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SessioneEsterna {
public:
    SessioneEsterna(std::string comando, int timeoutMs);
    // Closes the program's input and gives it the timeout to exit before killing it.
    ~SessioneEsterna();
    SessioneEsterna(const SessioneEsterna&) = delete;
    SessioneEsterna& operator=(const SessioneEsterna&) = delete;

    // The games that follow are played on `tavolo`: its events keep the cards played in order and
    // send the end of each game.
    void Collega(Tavolo& tavolo);
    // One move of `posto`: the start line first if its game has not been announced yet, then the
    // observation; returns the slot the program chose. `seme` is the seed a built-in opponent
    // would use for its random choices there.
    int Scegli(const StatoGioco& s, Chi posto, std::uint64_t seme, const std::function<bool(int)>& ammessa);
    // The same on the table it is linked to, for a seat whose view is `vista`: the observation is
    // that view, with the game and match counters that everyone at the table sees.
    int Scegli(const VistaGiocatore& vista, std::uint64_t seme);

    // The program's process id while it runs (0 before the first line); for tests.
    pid_t Pid() const { return processo_ ? processo_->Pid() : 0; }

private:
    void Avvia();
    void Invia(const nlohmann::ordered_json& riga, const std::string& dove);
    void FineGioco(const EsitoGioco& e);
    [[noreturn]] void Errore(const std::string& dove, const std::string& motivo, const std::string& ricevuto);
    std::string DoveMossa() const;

    std::string comando_;
    int timeoutMs_;
    std::unique_ptr<ProcessoFiglio> processo_;
    const Tavolo* tavolo_ = nullptr;
    SequenzaGiocate sequenza_;
    CanaleEventi::Iscrizione ascolto_;
    ContestoOsservazione contesto_;
    std::uint64_t giochi_ = 0;
    std::uint64_t partite_ = 0;
    bool giocoAperto_ = false;
    int presa_ = 0;  // the trick of the move being asked
};

// A seat played by the program through a session: `seme` is what a built-in opponent would use for
// its random choices there (the protocol hands it on).
class GiocatoreEsterno : public Giocatore {
public:
    GiocatoreEsterno(SessioneEsterna& sessione, std::uint64_t seme) : sessione_(&sessione), seme_(seme) {}
    int Scegli(const VistaGiocatore& vista) override;
    std::string Nome() const override { return "external"; }

private:
    SessioneEsterna* sessione_;
    std::uint64_t seme_;
};

// The name --opponent-cmd gives the opponent in summaries.
inline constexpr const char* kNomeAvversarioEsterno = "external";
// The run's session; nullptr unless the options name a command.
std::unique_ptr<SessioneEsterna> CreaSessioneEsterna(const OpzioniMatch& o);

}  // namespace mrvelto::sim
