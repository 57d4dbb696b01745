// The seams are called where the flow says: option locks, graphic variations, sounds.
#include <gtest/gtest.h>

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

class SuoniContati : public SuoniECommenti {
public:
    int iniziali = 0, carte = 0, commenti = 0, prese = 0, avvii = 0, fermi = 0;
    void CommentoIniziale() override { ++iniziali; }
    void SuonoCarta(Chi) override { ++carte; }
    void CommentoCarta(Chi) override { ++commenti; }
    void SuonoPresa() override { ++prese; }
    void AvviaImpazienza() override { ++avvii; }
    void FermaImpazienza() override { ++fermi; }
};

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

TEST(Seam, SoundsOfADealAndATrick) {
    SuoniContati suoni;
    Banco b(9);
    b.tavolo.ImpostaSuoni(&suoni);
    b.Distribuisci();
    EXPECT_EQ(suoni.iniziali, 8);
    EXPECT_EQ(suoni.avvii, 1) << "the human leads: impatience starts";
    b.tavolo.ImgCarta_Click(4);
    EXPECT_EQ(suoni.fermi, 1);
    EXPECT_EQ(suoni.carte, 1) << "the human led: card noise";
    ASSERT_TRUE(b.SoloOrologioFino([&] { return b.s().Manche == 2; }));
    EXPECT_EQ(suoni.commenti, 1) << "the computer answered: card comment";
    EXPECT_EQ(suoni.prese, 1);
}

TEST(Seam, ChangedIsCalledAfterEveryStepAndInput) {
    Banco b(10);
    int cambi = 0;
    b.tavolo.Cambiato = [&] { ++cambi; };
    b.tavolo.Avvia();
    EXPECT_EQ(cambi, 1);
    b.SoloOrologioFino([&] { return !b.Armato(b.t().DistribuisciCarte); });
    EXPECT_EQ(cambi, 9);
    b.tavolo.ImgCarta_Click(5);
    EXPECT_EQ(cambi, 10);
    b.tavolo.ImgCarta_Click(5);  // refused: nothing to redraw
    EXPECT_EQ(cambi, 10);
}

}  // namespace
}  // namespace mrvelto::test
