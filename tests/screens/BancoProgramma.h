// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole program on virtual time in a temporary home, with players that remember their commands.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game/OraVirtuale.h"
#include "screens/Programma.h"
#include "support/FileDiProva.h"

namespace mrvelto::test {

namespace fs = std::filesystem;

struct LettoreRegistrato : Lettore {
    void ImpostaFile(const std::string& p) override { comandi.push_back("File " + p); }
    void Comando(const std::string& c) override { comandi.push_back(c); }
    std::vector<std::string> comandi;
};

struct BancoProgramma {
    BancoProgramma(const fs::path& casa, std::uint64_t seme, bool finestraIniziale, std::string nome = "Giocatore",
                   bool autoplay = true) {
        auto s = std::make_unique<LettoreRegistrato>();
        auto e = std::make_unique<LettoreRegistrato>();
        sigla = s.get();
        effetti = e.get();
        AmbienteProgramma a;
        a.caso = [seme](const OrologioVirtuale& o) { return std::make_unique<CasoConSeme>(seme, OraDaOrologioVirtuale(o)); };
        a.calendario = [] { return DataOra{6, 12, 2026, 9, 5, 0}; };
        a.radici = Radici{casa / "media", casa};
        a.sigla = std::move(s);
        a.effetti = std::move(e);
        AvvioProgramma avvio;
        avvio.nome = std::move(nome);
        avvio.autoplay = autoplay;
        avvio.semeAutoplay = seme;
        avvio.finestraIniziale = finestraIniziale;
        programma = std::make_unique<Programma>(std::move(a), std::move(avvio));
        programma->Messaggio = [this](const std::string& m) { messaggi.push_back(m); };
        programma->DialogoFile = [this](bool salva, const fs::path& proposto) -> std::optional<fs::path> {
            proposte.push_back(proposto);
            (void)salva;
            return scelta;
        };
    }
    // Plays until the end-of-game frame of the first game is shown.
    bool FinoAFineGioco() {
        for (int i = 0; i < 200000; ++i) {
            if (programma->Tavolo_().Vista().FineGioco.visibile && !programma->Tavolo_().Stato().GiocoInCorso) return true;
            if (!programma->PassoAutomatico()) return false;
        }
        return false;
    }
    std::unique_ptr<Programma> programma;
    LettoreRegistrato* sigla = nullptr;
    LettoreRegistrato* effetti = nullptr;
    std::vector<std::string> messaggi;
    std::vector<fs::path> proposte;
    std::optional<fs::path> scelta;  // what the file dialog answers
};

}  // namespace mrvelto::test
