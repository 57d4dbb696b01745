// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The background music and the award ceremony. Folk tunes play one at a time, every tune once
// before any repeats and never the same twice in a row, with a pause after each set by
// "Frequenza Musica:"; their title shows on the table by "Visualizzazione Titoli:". A won game or
// match may end with the winner's anthem and flag (the human plays for Italy, Mr. VELTO for
// England), which interrupts the music until the next deal.
#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "audio/Brani.h"
#include "audio/Lettore.h"
#include "cards/Caso.h"
#include "game/Eventi.h"
#include "game/OrologioVirtuale.h"
#include "game/PortaCerimonia.h"
#include "game/Presentazione.h"
#include "game/Tavolo.h"

namespace mrvelto {

// What the music shows on the table: the tune's title lblTitolo and the flag ImgBandiera.
struct VistaMusica {
    Etichetta Titolo{"", false};
    int TitoloTop = 1550;
    bool BandieraVisibile = false;
    Chi BandieraDi = Chi::Nessuno;  // PC: England's flag; H: Italy's
    const char* FileBandiera = "";
    Punto Bandiera{kBandieraLeft, kBandieraTop};

    static constexpr int kBandieraLeft = 4200;
    static constexpr int kBandieraTop = 2600;
};

struct TimerMusica {
    OrologioVirtuale::Id FermaBrano = -1;
    OrologioVirtuale::Id FrequenzaMusica = -1;
    OrologioVirtuale::Id IniziaInno = -1;
    OrologioVirtuale::Id Bandiera = -1;
};

class Musica : public MusicaECerimonia {
public:
    Musica(Tavolo& tavolo, OrologioVirtuale& orologio, FonteCasuale& caso, Lettore& musica, Lettore& inno,
           std::filesystem::path media);
    ~Musica() override;
    Musica(const Musica&) = delete;
    Musica& operator=(const Musica&) = delete;

    // The ceremony for `vincitore`: anthem and flag for 45 firings of TimerBandiera, then `alTermine`.
    bool Cerimonia(Chi vincitore, std::function<void()> alTermine) override;

    void SCegliBrano();
    void InnoInglese();
    void InnoItaliano();
    // The music stops where it is (the review asks for silence): player closed, title hidden.
    void InterrompiBrano();
    // A link of the end-of-game frame (open, review, save): when option 20 asks for silence the
    // music waits for the next deal (true); the anthem stops in any case. The tune in play goes on.
    bool LinkFineGioco();
    // The review begins: as a link, and the tune in play stops too when option 20 asks for it.
    void EntraInAnalisi();
    // The title follows "Visualizzazione Titoli:".
    void MostraTitolo();

    const VistaMusica& Vista() const { return vista_; }
    const TimerMusica& Timer() const { return timer_; }
    bool Ascoltato(int brano) const { return ascoltati_[static_cast<std::size_t>(brano - 1)]; }
    int NumeroBraniAscoltati() const { return numeroBraniAscoltati_; }
    int BranoInCorso() const { return branoInCorso_; }
    bool BranoTerminato() const { return branoTerminato_; }
    bool MusicaInterrotta() const { return musicaInterrotta_; }
    int ContatoreBandiera() const { return contatoreBandiera_; }

private:
    void Osserva(const Evento& e);
    void FineDistribuzione();
    void TimerFermaBrano_Timer();
    void TimerFrequenzaMusica_Timer();
    void TimerBandiera_Timer();
    void Inno(const struct Inno& inno, Chi di);
    void RiprendiBrano();  // the current tune again from its start
    void CambioFrequenza();
    std::string Percorso(const char* file) const { return (media_ / file).string(); }

    Tavolo& tavolo_;
    OrologioVirtuale& orologio_;
    FonteCasuale& caso_;
    Lettore& musica_;
    Lettore& inno_;
    std::filesystem::path media_;
    TimerMusica timer_;
    VistaMusica vista_;

    std::array<bool, 21> ascoltati_{};
    int numeroBraniAscoltati_ = -1;
    int contatoreBrano_ = 0;
    int branoInCorso_ = 0;
    bool branoTerminato_ = false;
    bool musicaInterrotta_ = false;
    int confrontaGiocoPerIlCambioDelBrano_ = 1;
    std::string titoloInMemoria_;
    int posizioneTitolo_ = 1550;
    int contatoreBandiera_ = 0;
    bool mai_ = false;  // "Frequenza Musica:" is "Mai"
    std::function<void()> fineCerimonia_;
    CanaleEventi::Iscrizione ascolto_;
};

}  // namespace mrvelto
