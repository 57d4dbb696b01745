// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What happened at the table, published by the flow in the order it happened. A subscriber runs at
// the point of publication, inside the step, and reads the table through its const view; so a
// subscriber that draws at random (a comment, a colour) draws exactly where the step would.
#include <cstdint>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

#include "cards/Carta.h"

namespace mrvelto {

struct EsitoGioco;
struct EsitoPartita;

namespace evento {
// A game is set up: deck shuffled, the deal armed. `primo`: the window's first game.
struct GiocoImpostato {
    bool primo;
    bool nuovaPartita;
};
// A firing of the deal begins (`passo` 1..8), before its card is drawn: the opening comment's turn.
struct PassoDistribuzione {
    int passo;
};
// One firing of the deal put a card into `slot` (1..8); `passo` is 1..8.
struct CartaDistribuita {
    int slot;
    int passo;
};
// The eighth firing: both hands, the briscola and the stock are on the table.
struct DistribuzioneFinita {};
// A card left `chi`'s hand (slot 1..6) for the table; `risposta`: it completes the trick.
struct CartaGiocata {
    Chi chi;
    int slot;
    bool risposta;
};
// That card reached its place on the table.
struct CartaArrivata {
    Chi chi;
    int slot;
    bool risposta;
};
// The take begins (not at the last trick): the moment of the take noise.
struct InizioPresa {};
// A trick was decided and scored; `manche` is its number (1..20).
struct PresaEffettuata {
    Chi vincitore;
    int punti;
    int manche;
};
// A card drawn from the stock (or the briscola) into `slot`.
struct CartaPescata {
    Chi chi;
    int slot;
};
// Both hands are complete again after a trick's draws.
struct PescaFinita {};
// The human may now play / has played (or the game ended while it was his turn).
struct TurnoUmanoIniziato {};
struct TurnoUmanoFinito {};
// The human had the computer's cards shown to him.
struct Sbirciata {};
// A game ended (after the match count was updated); then, if it closed the match, the match.
struct GiocoConcluso {
    const EsitoGioco& esito;
};
struct PartitaConclusa {
    const EsitoPartita& esito;
};
// The end-of-game frame is shown.
struct FineGiocoMostrata {};
// The moment of Mr. VELTO's final comment (the end-of-game frame has been up a while).
struct CommentoFinale {};
// The player goes on from the end-of-game frame.
struct ContinuaDopoFineGioco {};
// Option `n` took a new value (its own effects on the table already applied).
struct OpzioneCambiata {
    int n;
};
// A step or an input ran to its end: whatever shows the table may redraw.
struct PassoConcluso {};
}  // namespace evento

using Evento = std::variant<evento::GiocoImpostato, evento::PassoDistribuzione, evento::CartaDistribuita, evento::DistribuzioneFinita, evento::CartaGiocata,
                            evento::CartaArrivata, evento::InizioPresa, evento::PresaEffettuata, evento::CartaPescata,
                            evento::PescaFinita, evento::TurnoUmanoIniziato, evento::TurnoUmanoFinito, evento::Sbirciata,
                            evento::GiocoConcluso, evento::PartitaConclusa, evento::FineGiocoMostrata, evento::CommentoFinale,
                            evento::ContinuaDopoFineGioco, evento::OpzioneCambiata, evento::PassoConcluso>;

// Any number of subscribers, called in the order they subscribed. A subscription ends when its
// handle is released (or destroyed); a subscriber may end its own or another's while being called.
// A handle may outlive its channel: releasing it then does nothing.
class CanaleEventi {
    struct Registro;

public:
    using Ricevitore = std::function<void(const Evento&)>;

    class Iscrizione {
    public:
        Iscrizione() = default;
        Iscrizione(std::weak_ptr<Registro> registro, std::uint64_t id) : registro_(std::move(registro)), id_(id) {}
        Iscrizione(Iscrizione&& altra) noexcept { *this = std::move(altra); }
        Iscrizione& operator=(Iscrizione&& altra) noexcept {
            if (this != &altra) {
                Rilascia();
                registro_ = std::move(altra.registro_);
                id_ = altra.id_;
                altra.registro_.reset();
            }
            return *this;
        }
        Iscrizione(const Iscrizione&) = delete;
        Iscrizione& operator=(const Iscrizione&) = delete;
        ~Iscrizione() { Rilascia(); }
        void Rilascia();
        bool Attiva() const { return !registro_.expired(); }

    private:
        std::weak_ptr<Registro> registro_;
        std::uint64_t id_ = 0;
    };

    CanaleEventi() = default;
    ~CanaleEventi();
    CanaleEventi(const CanaleEventi&) = delete;
    CanaleEventi& operator=(const CanaleEventi&) = delete;

    [[nodiscard]] Iscrizione Iscrivi(Ricevitore ricevitore);
    void Pubblica(const Evento& e);
    std::size_t Iscritti() const;

private:
    struct Voce {
        std::uint64_t id;
        Ricevitore ricevitore;
        bool attiva = true;
    };
    // Shared with the handles (weakly), so that a handle can tell whether its channel still exists.
    struct Registro {
        // Held by pointer, so that a subscriber being called stays in place while others come and go.
        std::vector<std::unique_ptr<Voce>> voci;
        std::uint64_t prossimo = 1;
        int annidamento = 0;  // publications running: removals only blank the entry meanwhile
        bool daCompattare = false;
        // Itself, when the channel ends during a publication: it lives until that publication ends.
        std::shared_ptr<Registro> tenuta;
        void Disiscrivi(std::uint64_t id);
        void Compatta();
    };
    std::shared_ptr<Registro> registro_ = std::make_shared<Registro>();
};

}  // namespace mrvelto
