// SPDX-License-Identifier: GPL-3.0-or-later
// The seams are called where the flow says: option locks, graphic variations, sounds.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "BancoDiProva.h"

namespace mrvelto::test {
namespace {

class BlocchiFinti : public BlocchiOpzioni {
public:
    std::vector<std::pair<bool, bool>> blocchi;
    std::vector<bool> sblocchi;
    std::vector<bool> variazioni;
    void BloccaOpzioni(bool gioco, bool partita) override { blocchi.emplace_back(gioco, partita); }
    void SbloccaOpzioni(bool finita) override { sblocchi.push_back(finita); }
    void VariazioniGrafiche(bool nuova) override { variazioni.push_back(nuova); }
};

template <class E>
std::size_t Indice() {
    return Evento(std::in_place_type<E>, E{}).index();
}

TEST(Seam, OptionLocksAndGraphicVariations) {
    BlocchiFinti blocchi;
    Banco b(8, ConOpzioni({{OpzConclusionePartita, "Al meglio di 3 Giochi"}}));
    b.tavolo.ImpostaBlocchiOpzioni(&blocchi);
    b.Distribuisci();
    b.tavolo.ImgCarta_Click(4);
    ASSERT_EQ(blocchi.blocchi.size(), 1u);
    EXPECT_EQ(blocchi.blocchi[0], (std::pair<bool, bool>{true, true}));
    ASSERT_TRUE(b.Fino([&] { return b.tavolo.PartiteConcluse() == 1; }));
    ASSERT_FALSE(blocchi.sblocchi.empty());
    EXPECT_TRUE(blocchi.sblocchi.back()) << "after the match every option is unlocked";
    for (std::size_t i = 0; i + 1 < blocchi.sblocchi.size(); ++i) EXPECT_FALSE(blocchi.sblocchi[i]);
    // One variation call per new game (not at the window's first game); a new match says so.
    EXPECT_EQ(blocchi.variazioni.size(), blocchi.sblocchi.size() - 1);
    for (bool nuova : blocchi.variazioni) EXPECT_FALSE(nuova);
    b.orologio.Avanza(900);
    b.tavolo.TastoInvio();
    ASSERT_FALSE(blocchi.variazioni.empty());
    EXPECT_TRUE(blocchi.variazioni.back());
}

// Counts the table's events by kind.
struct Conteggio {
    explicit Conteggio(Tavolo& tavolo)
        : ascolto(tavolo.Eventi().Iscrivi([this](const Evento& e) { ++perTipo[e.index()]; })) {}
    std::array<int, std::variant_size_v<Evento>> perTipo{};
    CanaleEventi::Iscrizione ascolto;
};

TEST(Seam, EventsOfADealAndATrick) {
    Banco b(9);
    Conteggio n(b.tavolo);
    const auto passi = Indice<evento::PassoConcluso>();  // after every step and every input
    b.tavolo.Avvia();
    EXPECT_EQ(n.perTipo[passi], 1);
    b.SoloOrologioFino([&] { return !b.Armato(b.t().DistribuisciCarte); });
    EXPECT_EQ(n.perTipo[passi], 9);
    EXPECT_EQ(n.perTipo[Indice<evento::GiocoImpostato>()], 1);
    EXPECT_EQ(n.perTipo[Indice<evento::CartaDistribuita>()], 8);
    EXPECT_EQ(n.perTipo[Indice<evento::DistribuzioneFinita>()], 1);
    EXPECT_EQ(n.perTipo[Indice<evento::TurnoUmanoIniziato>()], 1) << "the human leads: impatience starts";
    b.tavolo.ImgCarta_Click(4);
    EXPECT_EQ(n.perTipo[passi], 10);
    b.tavolo.ImgCarta_Click(5);  // refused: nothing to redraw
    EXPECT_EQ(n.perTipo[passi], 10);
    EXPECT_EQ(n.perTipo[Indice<evento::TurnoUmanoFinito>()], 1);
    EXPECT_EQ(n.perTipo[Indice<evento::CartaGiocata>()], 1);
    ASSERT_TRUE(b.SoloOrologioFino([&] { return b.s().Manche == 2; }));
    EXPECT_EQ(b.pc.scelte, 1) << "the computer was asked once, to answer";
    EXPECT_EQ(n.perTipo[Indice<evento::CartaGiocata>()], 2);
    EXPECT_EQ(n.perTipo[Indice<evento::CartaArrivata>()], 2) << "the human's card, then the computer's answer";
    EXPECT_EQ(n.perTipo[Indice<evento::InizioPresa>()], 1);
    EXPECT_EQ(n.perTipo[Indice<evento::PresaEffettuata>()], 1);
    ASSERT_TRUE(b.SoloOrologioFino([&] { return !b.Armato(b.t().Pesca); }));
    EXPECT_EQ(n.perTipo[Indice<evento::CartaPescata>()], 2);
    EXPECT_EQ(n.perTipo[Indice<evento::PescaFinita>()], 1);
}

// Played, arrived, then the take: in that order for each card, the answer's arrival last.
TEST(Seam, EachCardIsPlayedBeforeItArrivesAndTheTakeComesAfterBoth) {
    Banco b(12, ConOpzioni({{OpzAnimazione, "Veloce"}}));
    std::vector<std::string> storia;
    auto ascolto = b.tavolo.Eventi().Iscrivi([&](const Evento& e) {
        if (const auto* g = std::get_if<evento::CartaGiocata>(&e)) storia.push_back(std::string("giocata ") + TestoDi(g->chi));
        if (const auto* a = std::get_if<evento::CartaArrivata>(&e))
            storia.push_back(std::string("arrivata ") + TestoDi(a->chi) + (a->risposta ? " risposta" : ""));
        if (const auto* p = std::get_if<evento::PresaEffettuata>(&e)) storia.push_back(std::string("presa ") + TestoDi(p->vincitore));
    });
    b.tavolo.Avvia();
    ASSERT_TRUE(b.Fino([&] { return b.s().Manche == 3; }));
    ASSERT_GE(storia.size(), 10u);
    for (std::size_t i = 0; i + 5 <= storia.size(); i += 5) {
        EXPECT_EQ(storia[i].rfind("giocata ", 0), 0u) << i;
        EXPECT_EQ(storia[i + 1].rfind("arrivata ", 0), 0u) << i;
        EXPECT_EQ(storia[i + 2].rfind("giocata ", 0), 0u) << i;
        EXPECT_NE(storia[i + 3].find("risposta"), std::string::npos) << i;
        EXPECT_EQ(storia[i + 4].rfind("presa ", 0), 0u) << i;
    }
}

// Subscribers come and go while events are being published.
TEST(Seam, SubscriptionsEndWhenReleasedEvenFromInsideACall) {
    CanaleEventi canale;
    int a = 0, b = 0, c = 0;
    CanaleEventi::Iscrizione ib;
    CanaleEventi::Iscrizione ic;
    auto ia = canale.Iscrivi([&](const Evento&) {
        ++a;
        ib.Rilascia();  // b hears nothing from here on, this publication included
        if (!ic.Attiva()) ic = canale.Iscrivi([&](const Evento&) { ++c; });
    });
    ib = canale.Iscrivi([&](const Evento&) { ++b; });
    canale.Pubblica(evento::PassoConcluso{});
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(c, 0) << "a subscriber added during a publication hears the next one";
    canale.Pubblica(evento::PassoConcluso{});
    EXPECT_EQ(c, 1);
    ia.Rilascia();
    canale.Pubblica(evento::PassoConcluso{});
    EXPECT_EQ(a, 2);
    EXPECT_EQ(canale.Iscritti(), 1u);
    {
        auto temporanea = canale.Iscrivi([&](const Evento&) { ++b; });
        EXPECT_EQ(canale.Iscritti(), 2u);
    }
    EXPECT_EQ(canale.Iscritti(), 1u);
}

// A listener may be destroyed after the table it listens to (members and locals in any order).
TEST(Seam, ASubscriptionMayOutliveItsChannel) {
    CanaleEventi::Iscrizione orfana;
    {
        CanaleEventi canale;
        orfana = canale.Iscrivi([](const Evento&) {});
        EXPECT_TRUE(orfana.Attiva());
    }
    EXPECT_FALSE(orfana.Attiva());
    orfana.Rilascia();  // nothing left to release, and nothing touched

    // A subscriber may end the channel while it is being called: the publication ends safely.
    auto canale = std::make_unique<CanaleEventi>();
    int dopo = 0;
    auto fine = canale->Iscrivi([&](const Evento&) { canale.reset(); });
    auto seguente = canale->Iscrivi([&](const Evento&) { ++dopo; });
    canale->Pubblica(evento::PassoConcluso{});
    EXPECT_EQ(canale, nullptr);
    EXPECT_EQ(dopo, 1) << "the subscribers counted at the start still hear it";
    EXPECT_FALSE(seguente.Attiva());
}

}  // namespace
}  // namespace mrvelto::test
