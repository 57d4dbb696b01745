// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The review of a game from its data panel: each press of cmdScegliManche lays the next trick on
// the table (both cards, who led and who took it, the running score, the cards then drawn), with
// the noises when option 20 allows; after the last trick cell 14 reads "Fine Analisi".
//
//   Analisi analisi(tavolo, effetti, media);
//   if (auto errore = analisi.Inizia()) ...   // the data panel does not hold a whole game
//   analisi.cmdScegliManche_Click();          // trick 1, 2, ... then "Fine Analisi"
//
// Meanwhile a worker thread judges every card the human played, first trick first; each trick's
// text gains its judgement as soon as it is ready, and costly cards turn red in the data panel.
#include <array>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "audio/Lettore.h"
#include "game/Tavolo.h"
#include "records/ArchivioPartita.h"
#include "screens/ValutazionePartita.h"

namespace mrvelto {

// What the review shows on the table.
struct VistaAnalisi {
    std::array<CartaDaGioco, 3> manoPC{}, manoH{};
    CartaDaGioco briscola;
    bool briscolaInTavola = true;   // until the last draw takes it
    int carteNelMazzo = 33;         // covered stock, briscola excluded
    CartaDaGioco inTavolaPC, inTavolaH;
    Chi presaDi = Chi::Nessuno;     // who took the trick on the table
    int Manche = 0;                 // the trick shown; 0 = the deal
    int PuntiPC = 0, PuntiH = 0;
    std::string descrizione;        // the trick in words
    bool finita = false;
};

class Analisi {
public:
    // `effetti` plays the noises; `media` is where their paths start.
    Analisi(Tavolo& tavolo, Lettore& effetti, std::filesystem::path media);
    ~Analisi();
    Analisi(const Analisi&) = delete;
    Analisi& operator=(const Analisi&) = delete;

    // Called from the worker thread each time a trick has been judged (the window schedules a
    // redraw and then calls AggiornaGiudizi on its own thread).
    std::function<void()> NuovoGiudizio;
    int campioni = kCampioniPredefiniti;

    // From the table's data panel: the deal on the table, cell 14 emptied, cell 10 white.
    // The reason in Italian when the panel does not hold a whole game (nothing is changed then).
    std::optional<std::string> Inizia();
    // cmdInizioAnalisi: whether the noises follow the review ("Rumori di Gioco:" and option 20).
    void cmdInizioAnalisi_Click();
    // The next trick; after the last one, "Fine Analisi".
    void cmdScegliManche_Click();

    bool Attiva() const { return gioco_.has_value(); }
    const VistaAnalisi& Vista() const { return vista_; }
    bool RumoriAmmessi() const { return rumori_; }
    void Termina();

    // The trick in words, with its judgement once ready; at the end, the game's total.
    std::string Testo() const;
    // Marks the costly cards judged so far in the data panel; true when all are judged.
    bool AggiornaGiudizi();
    // The judgements ready so far, by trick (empty while pending).
    std::vector<std::optional<GiudizioManche>> Giudizi() const;

private:
    struct Lavoro {
        std::mutex m;
        std::vector<std::optional<GiudizioManche>> giudizi;
        std::atomic<bool> ferma{false};
    };
    void Suona(const char* clip);
    void AvviaGiudizi();
    void FermaGiudizi();

    Tavolo& tavolo_;
    Lettore& effetti_;
    std::filesystem::path media_;
    std::optional<GiocoRicostruito> gioco_;
    VistaAnalisi vista_;
    bool rumori_ = false;
    std::string giudicato_;  // the game the judgements are of
    std::shared_ptr<Lavoro> lavoro_;
    std::thread filo_;
    std::vector<bool> segnate_;
};

}  // namespace mrvelto
