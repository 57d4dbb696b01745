// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "cards/Caso.h"
#include "game/OraVirtuale.h"
#include "game/Tavolo.h"
#include "records/FormatoRiga.h"
#include "screens/BancoProgramma.h"
#include "screens/CornicePrincipale.h"
#include "support/TestoOpzioni.h"

namespace mrvelto {
namespace {

using test::Imposta;

namespace fs = std::filesystem;
using test::LeggiByte;

std::vector<std::string> RigheDi(const std::string& byte) {
    const auto righe = DividiRighe(byte);
    return {righe.begin(), righe.end()};
}

std::vector<std::string> RigheSalvate(const fs::path& percorso) { return RigheDi(LeggiByte(percorso)); }

std::size_t Righe(const fs::path& p) { return RigheSalvate(p).size(); }

class PassiRegistrati : public PassiCornice {
public:
    void MostraPaginaRegole(std::string_view caption) override { pagina = caption; }
    void Colori(bool c) override { casuali = c; }
    void IntervalloImpazienza(int ms) override { impazienza = ms; }
    void FermaImpazienza() override { ++fermate; }
    std::string pagina;
    bool casuali = false;
    int impazienza = 0;
    int fermate = 0;
};

// One run of the main window on virtual time: a table, its frame, and a player that always plays
// the first card it may and continues at once from the end-of-game frame.
struct Finestra {
    // Started at once unless `avvia` is false (for what the test does before the start).
    Finestra(const fs::path& casa, std::uint64_t seme, PassiCornice* passi = nullptr, bool avvia = true)
        : caso(seme, OraDaOrologioVirtuale(orologio)),
          tavolo(orologio, caso, [this] { return DataOraPiu(DataOra{6, 12, 2026, 9, 5, 0}, orologio.Adesso()); }),
          cornice(tavolo, orologio, Radici{casa / "media", casa},
                  [this] { return DataOraPiu(DataOra{6, 12, 2026, 9, 5, 0}, orologio.Adesso()); }, passi) {
        tavolo.ImpostaNomeGiocatore("Pietà");
        cornice.Chiudi = [this] { chiusa = true; };
        if (avvia) cornice.Avvio();
    }

    void GiocaPartite(std::uint64_t partite) {
        const std::uint64_t obiettivo = tavolo.PartiteConcluse() + partite;
        for (int passi = 0; tavolo.PartiteConcluse() < obiettivo && passi < 1'000'000; ++passi) {
            bool mosso = false;
            for (int k = 4; k <= 6 && !mosso; ++k)
                if (tavolo.ClickAccettato(k)) {
                    tavolo.ImgCarta_Click(k);
                    mosso = true;
                }
            if (mosso) continue;
            const auto& fine = tavolo.Vista().FineGioco;
            if (fine.visibile && fine.cmdContinuaOIniziaPartita.abilitata && !tavolo.Stato().InterdiciSuoni &&
                tavolo.PartiteConcluse() < obiettivo) {
                tavolo.cmdContinuaOIniziaPartita_Click();
                continue;
            }
            if (tavolo.Vista().cmdEffettuaLaPresa.visibile && tavolo.Vista().cmdEffettuaLaPresa.abilitata) {
                tavolo.cmdEffettuaLaPresa_Click();
                continue;
            }
            ASSERT_TRUE(orologio.EseguiProssimo()) << "the game stalled";
        }
        ASSERT_EQ(tavolo.PartiteConcluse(), obiettivo);
    }

    OrologioVirtuale orologio;
    CasoConSeme caso;
    Tavolo tavolo;
    CornicePrincipale cornice;
    bool chiusa = false;
};

struct CornicePrincipaleTest : ::testing::Test {
    test::CartellaTemporanea casa;
    const fs::path& casa_ = casa.percorso;
};

TEST_F(CornicePrincipaleTest, ThreeMatchesLeaveTheFilesAndASecondRunAddsToThem) {
    {
        Finestra f(casa_, 7, nullptr, false);
        Imposta(f.tavolo, OpzConclusionePartita, "Al meglio di 3 Giochi");
        f.cornice.Avvio();
        EXPECT_TRUE(f.cornice.PrendiAvvisi().empty());
        EXPECT_EQ(f.tavolo.Dati().Intestazione1, "Partita n. 1 - Gioco n. 1");
        f.GiocaPartite(3);
        f.cornice.lblComandi_Click(ComandoEsci);
        EXPECT_TRUE(f.tavolo.Vista().EsciVisibile);
        f.cornice.RispostaSiUscita();
        f.orologio.Avanza(kIntervalloTimerEsci);
        EXPECT_TRUE(f.chiusa);
        EXPECT_TRUE(f.cornice.ChiusuraRichiesta());
    }
    const fs::path dati = casa_ / "Dati";
    EXPECT_EQ(Righe(dati / "MVeImpo.txt"), 43u);
    EXPECT_EQ(Righe(dati / "MVeClass.txt"), 80u);
    EXPECT_EQ(Righe(dati / "MVeAlbo.txt"), 4u);
    EXPECT_EQ(DividiRighe(LeggiByte(dati / "MVeAlbo.txt")).back(), "\"\"");
    EXPECT_EQ(LeggiByte(dati / "MVePart.txt"), "3\r\n");

    Finestra g(casa_, 8);
    EXPECT_TRUE(g.cornice.PrendiAvvisi().empty());
    EXPECT_EQ(g.tavolo.Opz().Testo(OpzConclusionePartita), "Al meglio di 3 Giochi");
    EXPECT_EQ(g.cornice.DatiRecord().TotalePartite, 3);
    EXPECT_EQ(g.tavolo.Dati().Intestazione1, "Partita n. 4 - Gioco n. 1");
    const auto prima = g.cornice.DatiRecord().Classifica;
    int partite = 0;
    for (const auto& r : prima) partite += r.NumeroPartiteVinte;
    EXPECT_EQ(partite, 3);  // each match won once, by the human or by Mr. VELTO
    g.GiocaPartite(1);
    EXPECT_EQ(LeggiByte(dati / "MVePart.txt"), "4\r\n");
    EXPECT_EQ(g.cornice.PannelloAlbo().LstAlbo.size(), 5u);
    EXPECT_EQ(g.cornice.PannelloAlbo().LstAlbo[3].substr(0, 4), "4)  ");
}

// A ceremony that holds the end of the game until the test ends it.
struct CerimoniaSospesa : MusicaECerimonia {
    bool Cerimonia(Chi, std::function<void()> fine) override {
        alTermine = std::move(fine);
        return true;
    }
    std::function<void()> alTermine;
};

// Leaving during the match's ceremony keeps the match, by the exit's yes or at once (a signal,
// also after a yes); the ceremony that then ends does not log it twice.
TEST_F(CornicePrincipaleTest, AMatchDecidedDuringTheCeremonyReachesTheRecordsOnce) {
    const fs::path dati = casa_ / "Dati";
    struct Via {
        bool si, subito;
    };
    for (const Via via : {Via{true, false}, Via{false, true}, Via{true, true}}) {
        SCOPED_TRACE(std::string(via.si ? "yes" : "") + (via.subito ? " at once" : ""));
        fs::remove_all(dati);
        CerimoniaSospesa cerimonia;
        Finestra f(casa_, 11, nullptr, false);
        f.tavolo.ImpostaMusica(&cerimonia);
        Imposta(f.tavolo, OpzConclusionePartita, "Al meglio di 3 Giochi");
        Imposta(f.tavolo, OpzCerimonia, "Al termine della Partita");
        f.cornice.Avvio();
        f.GiocaPartite(1);
        ASSERT_TRUE(f.tavolo.CerimoniaInCorso());
        EXPECT_FALSE(fs::exists(dati / "MVePart.txt"));
        if (via.si) {
            f.cornice.lblComandi_Click(ComandoEsci);
            f.cornice.RispostaSiUscita();
            EXPECT_FALSE(f.chiusa);
            fs::remove(dati / "MVeImpo.txt");  // the settings are written once, by the yes
        }
        if (via.subito) {
            f.cornice.EsciSubito();
            EXPECT_TRUE(f.chiusa);
            f.chiusa = false;
            f.cornice.EsciSubito();
            EXPECT_FALSE(f.chiusa);
        }
        EXPECT_EQ(fs::exists(dati / "MVeImpo.txt"), !via.si);
        EXPECT_EQ(LeggiByte(dati / "MVePart.txt"), "1\r\n");
        EXPECT_EQ(Righe(dati / "MVeAlbo.txt"), 2u);
        EXPECT_EQ(Righe(dati / "MVeClass.txt"), 80u);
        ASSERT_TRUE(cerimonia.alTermine);
        cerimonia.alTermine();
        EXPECT_TRUE(f.tavolo.Vista().FineGioco.visibile);
        EXPECT_EQ(LeggiByte(dati / "MVePart.txt"), "1\r\n");
        EXPECT_EQ(f.cornice.PannelloAlbo().LstAlbo.size(), 2u);
    }
}

TEST_F(CornicePrincipaleTest, SettingsSavedAtTheExitComeBackAtTheNextStart) {
    {
        Finestra f(casa_, 1);
        Imposta(f.tavolo, OpzAbilita, "Bassa (Livello D)");
        Imposta(f.tavolo, OpzVelocitaRisposta, "Media");
        Imposta(f.tavolo, OpzConclusionePartita, "Al meglio di 5 Giochi");
        Imposta(f.tavolo, OpzVariazioniGrafiche, "No");
        Imposta(f.tavolo, OpzCarattere, "Nervosetto");
        Imposta(f.tavolo, OpzPunteggio, "Solo il Giocatore umano");
        f.cornice.lblComandi_Click(ComandoPartita);
        f.cornice.ImpostaContinuaregole("Clicca qui per continuare > 4");
        f.cornice.lblComandi_Click(ComandoEsci);
        f.cornice.RispostaNoUscita();
        EXPECT_FALSE(f.tavolo.Vista().EsciVisibile);
        EXPECT_FALSE(fs::exists(f.cornice.PercorsoImpostazioni()));
        EXPECT_FALSE(f.cornice.ChiusuraRichiesta());  // the window manager's close asks too
        EXPECT_TRUE(f.cornice.Uscita().DomandaVisibile());
        f.cornice.RispostaSiUscita();
        EXPECT_TRUE(fs::exists(f.cornice.PercorsoImpostazioni()));
    }
    PassiRegistrati passi;
    Finestra g(casa_, 2, &passi);
    const Opzioni& o = g.tavolo.Opz();
    EXPECT_EQ(o.Testo(OpzAbilita), "Bassa (Livello D)");
    EXPECT_EQ(g.tavolo.Vista().NomePC.testo, "Mr. VELTO D");
    EXPECT_EQ(g.orologio.Intervallo(g.tavolo.Timer().AttesaDelPCaMuovere), 1000);
    EXPECT_EQ(g.cornice.Segnapunti(), DisposizioneSegnapunti(5));
    EXPECT_EQ(g.cornice.Menu().PannelloVisualizzato, PannelloLaterale::Partita);
    EXPECT_EQ(g.cornice.Menu().lblComandi[ComandoPartita].coloreTesto, kVoceAperta);
    EXPECT_TRUE(g.cornice.Menu().fraPannello[PannelloPartitaIdx].visibile);
    EXPECT_EQ(passi.pagina, "Clicca qui per continuare > 4");
    EXPECT_FALSE(passi.casuali);
    EXPECT_EQ(passi.impazienza, 334);
    EXPECT_FALSE(g.tavolo.Vista().PuntiPC.visibile);
    EXPECT_TRUE(g.tavolo.Vista().PuntiH.visibile);
    g.cornice.lblComandi_Click(ComandoAlbo);
    EXPECT_EQ(passi.fermate, 1);
}

// The settings file as the window finds it at start-up, with `righe` (1..43) replaced.
void ScriviImpostazioniIniziali(const fs::path& percorso, const Impostazioni& imp, std::initializer_list<std::pair<int, std::string>> righe = {}) {
    std::vector<std::string> linee = RigheDi(ScriviImpostazioni(imp));
    for (const auto& [n, testo] : righe) linee.at(static_cast<std::size_t>(n - 1)) = testo;
    std::string byte;
    for (const std::string& l : linee) byte += l + "\r\n";
    test::ScriviByte(percorso, byte);
}

// The computer's pace adjustments move the response interval away from the speed option's, and
// the file keeps whatever the timers held: the start-up must not put the options' values back.
TEST_F(CornicePrincipaleTest, RulesLinkTurnsFivePagesAndThePictureMovesTheTextOnlyOnTheLast) {
    PassiRegistrati passi;
    Finestra f(casa_, 5, &passi);
    const RiquadroRegole& r = f.cornice.Regole();
    EXPECT_EQ(r.titolo, " REGOLE DEL GIOCO DELLA BRISCOLA");
    EXPECT_EQ(r.testo.rfind("Nella Briscola a due si utilizza un mazzo italiano di 40 carte.", 0), 0u);
    EXPECT_FALSE(r.immagineVisibile);
    const std::string pagina1 = r.testo;
    const AreaTesto normale = r.areaTesto;
    const char* attese[] = {"Clicca qui per continuare > 2", "Clicca qui per continuare > 3", "Clicca qui per continuare > 4",
                            "Clicca qui per ritornare > 5", "Clicca qui per continuare > 1"};
    std::vector<std::string> testi;
    for (int click = 0; click < 5; ++click) {
        f.cornice.lblContinuaregole_Click();
        EXPECT_EQ(f.cornice.Continuaregole(), attese[click]);
        EXPECT_EQ(passi.pagina, attese[click]);
        const int pagina = click + 2 > 5 ? 1 : click + 2;
        EXPECT_EQ(r.titolo, pagina <= 2 ? " REGOLE DEL GIOCO DELLA BRISCOLA" : "      PRESENTAZIONE      (A CURA DELL'AUTORE)") << pagina;
        EXPECT_EQ(r.immagineVisibile, pagina == 5) << pagina;
        if (pagina == 5) {
            // The text goes under the picture, in a shorter area, without overlapping it.
            EXPECT_NE(r.areaTesto, normale);
            EXPECT_LT(r.areaTesto.altezza, normale.altezza);
            EXPECT_GE(r.areaTesto.top, kAreaImmagineRegole.top + kAreaImmagineRegole.altezza);
        } else {
            EXPECT_EQ(r.areaTesto, normale) << pagina;
        }
        EXPECT_LE(r.areaTesto.top + r.areaTesto.altezza, kAreaLinkRegole.top);
        testi.push_back(r.testo);
    }
    EXPECT_EQ(testi.back(), pagina1);
    // Five different pages, none empty.
    std::sort(testi.begin(), testi.end());
    EXPECT_EQ(std::unique(testi.begin(), testi.end()), testi.end());
    EXPECT_TRUE(std::none_of(testi.begin(), testi.end(), [](const std::string& t) { return t.size() < 200; }));

    // The page in view at the exit is the one shown at the next start, with its picture.
    for (int click = 0; click < 4; ++click) f.cornice.lblContinuaregole_Click();
    f.cornice.lblComandi_Click(ComandoEsci);
    f.cornice.RispostaSiUscita();
    Finestra g(casa_, 6);
    EXPECT_EQ(g.cornice.Continuaregole(), "Clicca qui per ritornare > 5");
    EXPECT_TRUE(g.cornice.Regole().immagineVisibile);
    EXPECT_EQ(g.cornice.Regole().areaTesto, kAreaTestoConImmagine);
}

TEST_F(CornicePrincipaleTest, TimerIntervalsComeBackAsReadAndFollowTheirOptionOnlyWhenItChanges) {
    Impostazioni scritte;
    Imposta(scritte.opzioni, OpzVelocitaRisposta, "Media");  // 1000
    Imposta(scritte.opzioni, OpzPresaAutomatica, "Lenta");   // 1950
    Imposta(scritte.opzioni, OpzAnimazione, "Veloce");       // 30 for both
    scritte.IntervalloAttesaDelPCaMuovere = 1130;
    scritte.IntervalloEffettuaLaPresa = 1700;
    scritte.IntervalloAnimazionecartePC = 55;
    scritte.IntervalloAnimazionecarteH = 65;
    Finestra f(casa_, 9, nullptr, false);
    const fs::path file = f.cornice.PercorsoImpostazioni();
    ScriviImpostazioniIniziali(file, scritte);
    f.cornice.Avvio();
    EXPECT_TRUE(f.cornice.PrendiAvvisi().empty());
    const TimerTavolo& t = f.tavolo.Timer();
    EXPECT_EQ((std::vector<int>{f.orologio.Intervallo(t.AttesaDelPCaMuovere), f.orologio.Intervallo(t.EffettuaLaPresa),
                                f.orologio.Intervallo(t.AnimazionecartePC), f.orologio.Intervallo(t.AnimazionecarteH)}),
              (std::vector<int>{1130, 1700, 55, 65}));
    // Lines 3, 7, 28 and 29 of the file saved now.
    const auto intervalli = [&] {
        EXPECT_TRUE(f.cornice.SalvaImpostazioni());
        const auto righe = RigheSalvate(file);
        return righe.size() == 43u ? std::vector<std::string>{righe[2], righe[6], righe[27], righe[28]} : righe;
    };
    EXPECT_EQ(intervalli(), (std::vector<std::string>{"1130", "1700", "55", "65"}));
    // Changed in the options panel, each option sets the interval it stands for.
    Imposta(f.tavolo, OpzVelocitaRisposta, "Lenta");
    Imposta(f.tavolo, OpzPresaAutomatica, "Veloce");
    Imposta(f.tavolo, OpzAnimazione, "Lenta");
    EXPECT_EQ(intervalli(), (std::vector<std::string>{"1250", "1150", "80", "80"}));

    // When the take waits for the button, what the button leaves on the timer is not a setting.
    Imposta(scritte.opzioni, OpzPresaAutomatica, "No");
    Imposta(scritte.opzioni, OpzConclusionePartita, "Al meglio di 3 Giochi");
    Finestra g(casa_, 12, nullptr, false);
    ScriviImpostazioniIniziali(file, scritte);
    g.cornice.Avvio();
    ASSERT_TRUE(g.cornice.SalvaImpostazioni());
    EXPECT_EQ(RigheSalvate(file)[6], "1700");
    g.GiocaPartite(1);
    ASSERT_TRUE(g.cornice.SalvaImpostazioni());
    EXPECT_EQ(RigheSalvate(file)[6], "0");
}

// Line 5 brings back the peek flag of the match the last run was playing: the first match of this
// run is marked as peeked even when the cards are covered before the deal, the next one is not.
TEST_F(CornicePrincipaleTest, ThePeekFlagReadAtStartStaysForTheFirstMatchOnly) {
    Impostazioni scritte;
    Imposta(scritte.opzioni, OpzMostraCarte, "Si");
    Imposta(scritte.opzioni, OpzConclusionePartita, "Al meglio di 3 Giochi");
    {
        Finestra f(casa_, 10, nullptr, false);
        const fs::path file = f.cornice.PercorsoImpostazioni();
        ScriviImpostazioniIniziali(file, scritte);
        ASSERT_EQ(RigheSalvate(file)[4], "\"Si\"");
        f.cornice.Avvio();
        EXPECT_TRUE(f.cornice.PrendiAvvisi().empty());
        EXPECT_TRUE(f.tavolo.Stato().Sbirciata);
        // The data panel's headings over the draws show with the computer's cards.
        EXPECT_TRUE(f.cornice.lblScritteRecord()[6].visibile && f.cornice.lblScritteRecord()[13].visibile);
        Imposta(f.tavolo, OpzMostraCarte, "No");  // before the first card is dealt
        f.GiocaPartite(1);
        f.GiocaPartite(1);
        const auto albo = f.cornice.PannelloAlbo().LstAlbo;
        ASSERT_GE(albo.size(), 2u);
        EXPECT_NE(albo[0].find(" * "), std::string::npos) << albo[0];
        EXPECT_EQ(albo[1].find(" * "), std::string::npos) << albo[1];
        ASSERT_TRUE(f.cornice.SalvaImpostazioni());
        const auto righe = RigheSalvate(file);
        ASSERT_EQ(righe.size(), 43u);
        EXPECT_EQ(righe[3], "\"No\"");
        EXPECT_EQ(righe[4], "\"No\"");
    }
    // A file whose line 5 differs from line 4 (not one this program writes): the flag is the line's.
    Finestra g(casa_, 11, nullptr, false);
    ScriviImpostazioniIniziali(g.cornice.PercorsoImpostazioni(), Impostazioni{}, {{5, "\"Si\""}});
    g.cornice.Avvio();
    EXPECT_TRUE(g.cornice.PrendiAvvisi().empty());
    EXPECT_EQ(g.tavolo.Opz().Testo(OpzMostraCarte), "No");
    EXPECT_TRUE(g.tavolo.Stato().Sbirciata);
    EXPECT_FALSE(g.cornice.lblScritteRecord()[6].visibile || g.cornice.lblScritteRecord()[13].visibile);
    EXPECT_TRUE(g.cornice.lblScritteRecord()[4].visibile);
}

TEST_F(CornicePrincipaleTest, AnUnknownDeckStyleFallsBackAndIsReportedOnce) {
    const auto salvaSiciliane = [this](std::uint64_t seme) {
        Finestra f(casa_, seme);
        Imposta(f.tavolo, OpzStileCarte, "Siciliane");
        EXPECT_TRUE(f.cornice.SalvaImpostazioni());
    };
    salvaSiciliane(3);
    Finestra g(casa_, 4);
    EXPECT_EQ(g.tavolo.Opz().Testo(OpzStileCarte), "Piacentine");
    const auto avvisi = g.cornice.PrendiAvvisi();
    ASSERT_EQ(avvisi.size(), 1u);
    EXPECT_NE(avvisi[0].find("Siciliane"), std::string::npos);
    EXPECT_TRUE(g.cornice.PrendiAvvisi().empty());

    // With the optional deck installed under that name, the style stays.
    test::ScriviByte(casa_ / "media" / "MVeOpzio.txt", "\"Carte Opzionali inserite\"\r\n0\r\n\"Siciliane\"\r\n");
    salvaSiciliane(5);
    Finestra h(casa_, 6);
    EXPECT_EQ(h.tavolo.Opz().Testo(OpzStileCarte), "Siciliane");
    EXPECT_TRUE(h.cornice.Opzionali().Installate());
    // An optional deck under another name does not keep it.
    test::ScriviByte(casa_ / "media" / "MVeOpzio.txt", "\"Carte Opzionali inserite\"\r\n0\r\n\"Grandi Indici\"\r\n");
    EXPECT_EQ(Finestra(casa_, 7).tavolo.Opz().Testo(OpzStileCarte), "Piacentine");
}

}  // namespace
}  // namespace mrvelto
