// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "player/AnalisiMosse.h"
#include "player/GiocoAperto.h"
#include "support/MinimaxBruto.h"

namespace mrvelto {
namespace {

TEST(AnalisiMosse, WithNothingHiddenEveryCardGetsItsExactMinimaxValue) {
    std::mt19937_64 gen(11);
    for (int caso = 0; caso < 300; ++caso) {
        std::vector<CartaDaGioco> sue;
        const VistaGiocatore v = test::PosizioneFinale(gen, sue);
        ASSERT_FALSE(ErroreVista(v)) << *ErroreVista(v);
        const ValutazioneMosse r = ValutaMosse(v);
        ASSERT_TRUE(r.Esatta());
        ASSERT_EQ(r.carte.size(), static_cast<std::size_t>(std::count_if(v.mano.begin(), v.mano.end(), [](CartaDaGioco c) { return !c.Vuota(); })));
        for (const StimaCarta& s : r.carte) {
            const int atteso = test::ValoreBruto(v, sue, s.carta);
            EXPECT_EQ(s.media, atteso) << "caso " << caso << " carta " << s.carta;
            EXPECT_EQ(s.margine, 0);
        }
    }
}

// One covered card and the other hand read: every sample is the true game, so each figure is that
// game played out once, with no spread; and a seed always gives the same figures.
TEST(AnalisiMosse, SamplesDealOnlyWhatTheSeatCannotSeeAndASeedRepeats) {
    VistaGiocatore v;
    v.NumeroCarteRimaste = 2;
    v.TurnoDiGioco = Chi::H;
    v.mano = {CartaDaGioco::DaCodice("Ad"), CartaDaGioco::DaCodice("4b"), CartaDaGioco::DaCodice("Rs")};
    v.manoAvversario = std::array<CartaDaGioco, 3>{CartaDaGioco::DaCodice("3d"), CartaDaGioco::DaCodice("2b"), CartaDaGioco::DaCodice("Cc")};
    v.briscola = CartaDaGioco::DaCodice("7b");
    const CartaDaGioco coperta = CartaDaGioco::DaCodice("Ab");
    for (int p = 1; p <= 40; ++p) {
        const CartaDaGioco c = CartaDaGioco::DaPosizione(p);
        if (c != coperta && c != v.briscola && std::find(v.mano.begin(), v.mano.end(), c) == v.mano.end() &&
            std::find(v.manoAvversario->begin(), v.manoAvversario->end(), c) == v.manoAvversario->end())
            v.giocate.Aggiungi(c);
    }
    v.puntiPropri = 50;
    v.puntiAvversario = 120 - 50 - 11 - 4 - 10 - 3 - 11;
    ASSERT_FALSE(ErroreVista(v)) << *ErroreVista(v);
    const ValutazioneMosse r = ValutaMosse(v, 40, 3);
    ASSERT_EQ(r.carte.size(), 3u);
    for (const StimaCarta& s : r.carte) {
        GiocoAperto g;
        g.mano = {v.mano, *v.manoAvversario};
        g.mazzo[0] = coperta;
        g.carteNelMazzo = 1;
        g.briscola = v.briscola;
        g.semeBriscola = 'b';
        g.NumeroCarteRimaste = 2;
        g.punti = {v.puntiPropri, v.puntiAvversario};
        g.Prepara(v.giocate.Bit());
        g.Gioca(0, s.indice);
        LavoroLivelloA lavoro;
        CasoVeloce caso(1);
        EXPECT_EQ(s.media, GiocaFinoInFondo(g, caso, lavoro)) << s.carta;
        EXPECT_EQ(s.margine, 0) << s.carta;
    }
    // Hidden cards: a seed repeats, and the interval narrows with the samples.
    v.manoAvversario.reset();
    v.NumeroCarteRimaste = 20;
    v.giocate = {};
    for (const char* c : {"2d", "4d", "5d", "6d", "2s", "4s", "5s", "6s", "2c", "4c", "5c", "6c", "7d", "7s"})
        v.giocate.Aggiungi(CartaDaGioco::DaCodice(c));
    v.puntiPropri = v.puntiAvversario = 0;
    ASSERT_FALSE(ErroreVista(v)) << *ErroreVista(v);
    const ValutazioneMosse a = ValutaMosse(v, 100, 9), b = ValutaMosse(v, 100, 9), c = ValutaMosse(v, 400, 9);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(a.carte[i].media, b.carte[i].media);
        EXPECT_GT(a.carte[i].margine, c.carte[i].margine);
        EXPECT_NEAR(a.carte[i].media, c.carte[i].media, a.carte[i].margine + c.carte[i].margine);
    }
}

TEST(AnalisiMosse, AViewNoGameCouldGiveIsRefused) {
    VistaGiocatore v;
    v.mano = {CartaDaGioco::DaCodice("Ad"), CartaDaGioco::DaCodice("4b"), CartaDaGioco::DaCodice("Rs")};
    v.briscola = CartaDaGioco::DaCodice("7b");
    v.NumeroCarteRimaste = 34;
    EXPECT_FALSE(ErroreVista(v));
    v.giocate.Aggiungi(CartaDaGioco::DaCodice("2c"));  // one card played: the other side must have led it
    EXPECT_TRUE(ErroreVista(v));
    EXPECT_TRUE(ValutaMosse(v).carte.empty());
    v.inTavola = CartaDaGioco::DaCodice("2c");
    v.TurnoDiGioco = Chi::PC;
    EXPECT_FALSE(ErroreVista(v));
}

}  // namespace
}  // namespace mrvelto
