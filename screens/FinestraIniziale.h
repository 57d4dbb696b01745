// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up window's logic: the theme tune, the blinking prompt, the suit symbols that change
// one at a time, and the name entry that decides how the game addresses the player. The front
// end draws this state and forwards the typed text, "OK" and Enter.
//
//   FinestraIniziale avvio(orologio, caso, sigla, radici);
//   avvio.EntraNelGioco = [&](const std::string& nome, char sesso) { ... };
//   avvio.Apri();                   // the last name offered again, the tune started
//   avvio.ImpostaTesto("Mario"); avvio.cmdOK_Click();
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "audio/Lettore.h"
#include "cards/Caso.h"
#include "cards/Colori.h"
#include "game/OrologioVirtuale.h"
#include "records/Avvisi.h"
#include "records/Percorsi.h"

namespace mrvelto {

inline constexpr std::string_view kTestoScritta1 =
    "Il più simpatico e straordinario Giocatore Virtuale di Briscola che avete mai osato sfidare:";
inline constexpr std::string_view kTestoScritta2 = "Mr. VELTO";
inline constexpr std::string_view kTestoInserisci = "Inserisci il tuo Nome e poi premi INVIO";
inline constexpr std::string_view kTestoSottotitolo = "instancabile avversario di mille briscole...";
inline constexpr std::string_view kTestoVersione = "Vers. 2.0";
inline constexpr std::string_view kNienteAnonimi =
    "Niente Giocatori anonimi, please! Inserisci il tuo Nome e poi premi INVIO";
inline constexpr std::string_view kNienteSigle =
    "Niente sigle, please! Inserisci il tuo Nome completo e poi premi INVIO";
inline constexpr std::string_view kFileSfondo = "C:\\Programmi\\MrVelto\\Grafica\\Inghil.bmp";
inline constexpr std::string_view kFileVessillo = "C:\\Programmi\\MrVelto\\Grafica\\Italia.bmp";
inline constexpr std::string_view kFileSigla = "C:\\Programmi\\MrVelto\\Musiche\\MVeSigla.Mid";
// The prompt's colour until a refused name turns it black.
inline constexpr Colore kColoreInserisci = colore::Giallo;

// The picture of suit symbol 1..8 (bastoni, spade, denari, coppe; Neapolitan, then Piacentine).
std::string FileSimbolo(int simbolo);
// Width in twips of symbol `simbolo`: the round ones (denari, coppe) are narrower.
int LarghezzaSimbolo(int simbolo);

// "M" or "F" for a name as stored: a final "a" makes it a woman's, the men's names ending in "a"
// and the women's that do not are listed. The whole name is compared, in any case.
char SessoDalNome(std::string_view nome);

// How many characters `testo` has (UTF-8), as the length check counts them.
std::size_t CaratteriUtf8(std::string_view testo);

class FinestraIniziale {
public:
    // The clock, source, player and roots must outlive this. TimerInserisci is armed here.
    FinestraIniziale(OrologioVirtuale& orologio, FonteCasuale& caso, Lettore& sigla, const Radici& radici);
    ~FinestraIniziale();
    FinestraIniziale(const FinestraIniziale&) = delete;
    FinestraIniziale& operator=(const FinestraIniziale&) = delete;

    // Opening: the last player's name into the entry box, the theme tune, TimerSigla.
    void Apri();
    // The entry box's text as the player edits it.
    void ImpostaTesto(std::string testo) { txtNome_ = std::move(testo); }
    // "OK" and Enter: an accepted name goes to EntraNelGioco; a short one gets its message.
    void cmdOK_Click();
    void TastoInvio() { cmdOK_Click(); }

    // Called with the accepted name and sex; the window is closed by then.
    std::function<void(const std::string& nome, char sesso)> EntraNelGioco;

    // ---- State to draw.
    struct Simbolo {
        bool visibile = true;
        int numero = 1;
        int larghezza = 2325;
    };
    bool Aperta() const { return aperta_; }
    const std::string& Testo() const { return txtNome_; }
    const std::string& Inserisci() const { return lblInserisci_; }
    Colore ColoreInserisci() const { return coloreInserisci_; }
    bool InserisciVisibile() const { return inserisciVisibile_; }
    bool Scritta2Visibile() const { return scritta2Visibile_; }
    const Simbolo& ImgSimbolo(int posto) const { return simboli_.at(static_cast<std::size_t>(posto)); }
    const std::string& NomeConcorrente() const { return NomeConcorrente_; }
    char Sesso() const { return Sesso_; }
    int NumeroImage() const { return NumeroImage_; }
    int Sigla() const { return Sigla_; }
    std::filesystem::path PercorsoSfondo() const { return MappaPercorso(kFileSfondo, radici_); }
    std::filesystem::path PercorsoVessillo() const { return MappaPercorso(kFileVessillo, radici_); }
    std::filesystem::path PercorsoSimbolo(int simbolo) const { return MappaPercorso(FileSimbolo(simbolo), radici_); }
    // Messages about the name file, each to be shown once.
    Avvisi& AvvisiFile() { return avvisi_; }

    // ---- The steps, public for tests; normally run by the clock.
    void TimerInserisci_Timer();
    void TimerSigla_Timer();
    OrologioVirtuale::Id IdInserisci() const { return timerInserisci_; }
    OrologioVirtuale::Id IdSigla() const { return timerSigla_; }

private:
    void SalvaNomeGiocatore();
    void Chiudi();
    void ScegliSimbolo();

    OrologioVirtuale& orologio_;
    FonteCasuale& caso_;
    Lettore& sigla_;
    Radici radici_;
    Avvisi avvisi_;
    OrologioVirtuale::Id timerInserisci_ = -1;
    OrologioVirtuale::Id timerSigla_ = -1;

    std::string NomeConcorrente_;
    char Sesso_ = 'M';
    int ContatoreInserisci_ = 1;
    int ImmaginiIniziali_ = 1;
    int NumeroImage_ = 1;
    std::array<int, 5> NumeroImmagine_{1, 1, 1, 1, 1};
    int Sigla_ = 0;
    std::array<Simbolo, 5> simboli_{};
    std::string txtNome_;
    std::string lblInserisci_{kTestoInserisci};
    Colore coloreInserisci_ = kColoreInserisci;
    bool inserisciVisibile_ = true;
    bool scritta2Visibile_ = true;
    bool aperta_ = false;
};

}  // namespace mrvelto
