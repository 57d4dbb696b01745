// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis engine measured, outside the test run: exactness against a plain minimax on random
// positions with nothing hidden; stability of the best card against a long reference estimate on
// random mid-game positions; the time per judgement and per whole saved game.
//
//   mrvelto-verifica-analisi [--posizioni N] [--riferimento R] [--campioni C] [--jobs J] [--partita FILE.txt]
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "player/AnalisiMosse.h"
#include "records/ArchivioPartita.h"
#include "screens/ValutazionePartita.h"
#include "support/MinimaxBruto.h"

using namespace mrvelto;

namespace {

double Secondi(std::chrono::steady_clock::time_point da) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - da).count();
}

// A random position with the stock not empty, seen from the human's seat.
VistaGiocatore PosizioneCentrale(std::mt19937_64& gen) {
    std::vector<CartaDaGioco> mazzo;
    for (int p = 1; p <= 40; ++p) mazzo.push_back(CartaDaGioco::DaPosizione(p));
    std::shuffle(mazzo.begin(), mazzo.end(), gen);
    VistaGiocatore v;
    v.NumeroCarteRimaste = 2 * static_cast<int>(1 + gen() % 16);  // 2..32
    const bool rispondo = gen() % 2;
    v.TurnoDiGioco = rispondo ? Chi::PC : Chi::H;
    std::size_t k = 0;
    for (auto& c : v.mano) c = mazzo[k++];
    v.briscola = mazzo[k++];
    int punti[2] = {0, 0};
    for (int i = 0; i < 34 - v.NumeroCarteRimaste; ++i) {
        v.giocate.Aggiungi(mazzo[k]);
        punti[gen() % 2] += mazzo[k++].Punti();
    }
    if (rispondo) {
        v.inTavola = mazzo[k++];
        v.giocate.Aggiungi(v.inTavola);
    }
    v.puntiPropri = punti[0];
    v.puntiAvversario = punti[1];
    return v;
}

template <class F>
void InParallelo(int n, int fili, F f) {
    std::atomic<int> prossimo{0};
    std::vector<std::thread> t;
    for (int i = 0; i < fili; ++i)
        t.emplace_back([&] {
            for (int j = prossimo++; j < n; j = prossimo++) f(j);
        });
    for (auto& x : t) x.join();
}

}  // namespace

int main(int argc, char** argv) {
    int posizioni = 1000, riferimento = 100000, campioni = kCampioniPredefiniti, fili = 1;
    std::string partita;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--posizioni") posizioni = std::atoi(argv[i + 1]);
        else if (a == "--riferimento") riferimento = std::atoi(argv[i + 1]);
        else if (a == "--campioni") campioni = std::atoi(argv[i + 1]);
        else if (a == "--jobs") fili = std::atoi(argv[i + 1]);
        else if (a == "--partita") partita = argv[i + 1];
    }

    // Exactness.
    {
        std::mt19937_64 gen(2026);
        int uguali = 0, carte = 0;
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < posizioni; ++i) {
            std::vector<CartaDaGioco> sue;
            const VistaGiocatore v = test::PosizioneFinale(gen, sue);
            for (const StimaCarta& s : ValutaMosse(v).carte) {
                ++carte;
                uguali += s.media == test::ValoreBruto(v, sue, s.carta);
            }
        }
        std::printf("esattezza: %d posizioni, %d carte, %d uguali al minimax (%.3f s)\n", posizioni, carte, uguali, Secondi(t0));
    }

    // Time per judgement with the default samples, one core.
    {
        std::mt19937_64 gen(7);
        const auto t0 = std::chrono::steady_clock::now();
        const int n = 200;
        for (int i = 0; i < n; ++i) (void)ValutaMosse(PosizioneCentrale(gen), campioni, static_cast<std::uint64_t>(i));
        std::printf("tempo per mossa a %d campioni: %.2f ms\n", campioni, 1000 * Secondi(t0) / n);
    }

    if (!partita.empty()) {
        const PartitaLetta letta = LeggiPartitaDaFile(partita);
        if (auto* e = std::get_if<std::string>(&letta)) return std::fprintf(stderr, "%s\n", e->c_str()), 2;
        auto g = RicostruisciGioco(std::get<PannelloDati>(letta));
        if (auto* e = std::get_if<std::string>(&g)) return std::fprintf(stderr, "%s\n", e->c_str()), 2;
        const auto& gioco = std::get<GiocoRicostruito>(g);
        const auto t0 = std::chrono::steady_clock::now();
        const auto viste = VisteDiH(gioco);
        const GiudizioManche primo = GiudicaManche(gioco, viste[0], 1, campioni, 1);
        const double tPrimo = Secondi(t0);
        (void)primo;
        const auto tutti = GiudicaPartita(gioco, campioni, 1, 1);
        std::printf("partita %s: %zu mani; prima mano giudicata in %.0f ms, tutta la partita in %.2f s (un core)\n", partita.c_str(),
                    tutti.size(), 1000 * tPrimo, Secondi(t0) - tPrimo);
    }

    // Stability: where the reference's two best cards differ by more than 2 points.
    if (riferimento > 0) {
        std::mt19937_64 gen(99);
        std::vector<VistaGiocatore> viste;
        for (int i = 0; i < posizioni; ++i) viste.push_back(PosizioneCentrale(gen));
        std::vector<int> esito(static_cast<std::size_t>(posizioni), -1);  // -1 not counted, 0 differs, 1 agrees
        const auto t0 = std::chrono::steady_clock::now();
        InParallelo(posizioni, fili, [&](int i) {
            const VistaGiocatore& v = viste[static_cast<std::size_t>(i)];
            const ValutazioneMosse rif = ValutaMosse(v, riferimento, 1000003 + static_cast<std::uint64_t>(i));
            std::vector<double> m;
            for (const StimaCarta& s : rif.carte) m.push_back(s.media);
            std::sort(m.rbegin(), m.rend());
            if (m.size() < 2 || m[0] - m[1] <= 2) return;
            const ValutazioneMosse breve = ValutaMosse(v, campioni, static_cast<std::uint64_t>(i) + 1);
            esito[static_cast<std::size_t>(i)] = breve.Migliore()->carta == rif.Migliore()->carta;
        });
        int contate = 0, concordi = 0;
        for (int e : esito) {
            contate += e >= 0;
            concordi += e == 1;
        }
        std::printf("stabilità: %d posizioni, %d con le due migliori distanti più di 2 punti, %d concordi (%.2f %%) "
                    "tra %d e %d campioni (%.0f s, %d fili)\n",
                    posizioni, contate, concordi, contate ? 100.0 * concordi / contate : 0.0, campioni, riferimento, Secondi(t0), fili);
    }
    return 0;
}
