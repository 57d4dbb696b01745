// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ArchivioPartita.h"

#include <algorithm>
#include <bitset>
#include <cstdio>

#include "records/FileDati.h"
#include "records/FormatoRiga.h"

namespace mrvelto {

namespace {

std::string Cifre(long long n, int larghezza) {
    std::string s = std::to_string(n);
    if (static_cast<int>(s.size()) < larghezza) s.insert(0, static_cast<std::size_t>(larghezza) - s.size(), '0');
    return s;
}

bool ColoreNoto(long long c) {
    return c == colore::Bianco || c == colore::Rosso || c == colore::RosaUmano || c == colore::GialloChiaro;
}

const char* kNonUnaPartita = "Il file scelto non è un Gioco salvato da Mr. VELTO";

std::string Cella(int i) { return "la casella " + std::to_string(i) + " del Pannello Dati"; }
// After "il colore", "il testo": "della casella 3", never "di la casella 3".
std::string DellaCella(int i) { return "della casella " + std::to_string(i) + " del Pannello Dati"; }

}  // namespace

std::string NomeFilePartita(long long totalePartite, bool partitaInCorso, int numeroGioco) {
    return Cifre(totalePartite + (partitaInCorso ? 1 : 0), 3) + "-" + Cifre(numeroGioco, 2) + ".txt";
}

std::string ScriviPartita(const PannelloDati& dati) {
    ScrittoreRighe out;
    out.Testo(dati.Intestazione1);
    out.Testo(dati.Intestazione2);
    for (int i = 0; i < kCelleSalvate; ++i) {
        out.Intero(static_cast<long long>(dati[i].sfondo));
        out.Testo(dati[i].testo);
    }
    return out.Byte();
}

PartitaLetta LeggiPartita(std::string_view byte) {
    const std::vector<std::string_view> righe = DividiRighe(byte);
    if (righe.size() < static_cast<std::size_t>(kRigheSalvate))
        return std::string(kNonUnaPartita) + ": ha " + std::to_string(righe.size()) + " righe invece di " +
               std::to_string(kRigheSalvate) + ".";
    if (righe.size() > static_cast<std::size_t>(kRigheSalvate))
        return std::string(kNonUnaPartita) + ": ha più di " + std::to_string(kRigheSalvate) + " righe.";
    PannelloDati dati;
    auto testo = [&](std::size_t riga, std::string& dove) -> bool {
        const ValoreRiga v = AnalizzaRiga(righe[riga]);
        if (v.tipo != ValoreRiga::Tipo::Testo) return false;
        dove = *ComeTesto(v);
        return true;
    };
    if (!testo(0, dati.Intestazione1) || !testo(1, dati.Intestazione2))
        return std::string(kNonUnaPartita) + ": le prime due righe non sono le intestazioni del Pannello Dati.";
    for (int i = 0; i < kCelleSalvate; ++i) {
        const std::size_t riga = 2 + 2 * static_cast<std::size_t>(i);
        const auto colore = ComeIntero(AnalizzaRiga(righe[riga]));
        if (!colore || !ColoreNoto(*colore))
            return std::string(kNonUnaPartita) + ": la riga " + std::to_string(riga + 1) + " non è il colore " + DellaCella(i) + ".";
        dati[i].sfondo = static_cast<Colore>(*colore);
        if (!testo(riga + 1, dati[i].testo))
            return std::string(kNonUnaPartita) + ": la riga " + std::to_string(riga + 2) + " non è il testo " + DellaCella(i) + ".";
        dati[i].visibile = !dati[i].testo.empty();
    }
    auto gioco = RicostruisciGioco(dati);
    if (const std::string* errore = std::get_if<std::string>(&gioco)) return std::string(kNonUnaPartita) + ": " + *errore;
    return dati;
}

std::variant<GiocoRicostruito, std::string> RicostruisciGioco(const PannelloDati& dati) {
    GiocoRicostruito g;
    std::bitset<41> viste;
    auto carta = [&](int i, CartaDaGioco& c) -> std::string {
        c = CartaDaGioco::DaCodice(dati[i].testo);
        if (c.Vuota()) return Cella(i) + " non contiene una carta.";
        if (viste[static_cast<std::size_t>(c.Posizione())]) return "la carta " + dati[i].testo + " compare due volte.";
        viste.set(static_cast<std::size_t>(c.Posizione()));
        return {};
    };
    for (int i = 0; i < kCelleSalvate; ++i)
        if (i <= 1 || (i >= 9 && i <= 14))
            if (dati[i].sfondo != colore::Bianco) return Cella(i) + " ha un colore che il Gioco non usa.";
    for (int i = 9; i <= 13; ++i)
        if (!dati[i].testo.empty()) return Cella(i) + " dovrebbe essere vuota.";
    if (!dati[14].testo.empty() && dati[14].testo != kFineAnalisi) return Cella(14) + " dovrebbe essere vuota.";
    for (int i = 2; i <= 8; ++i) {
        CartaDaGioco c;
        if (std::string e = carta(i, c); !e.empty()) return e;
        if (i <= 4) g.manoPC[static_cast<std::size_t>(i - 2)] = c;
        else if (i <= 7) g.manoH[static_cast<std::size_t>(i - 5)] = c;
        else g.briscola = c;
    }
    const char briscola = g.briscola.Seme();
    auto coloreCarta = [&](int i, CartaDaGioco c) -> std::string {
        const Colore atteso = c.Seme() == briscola ? colore::GialloChiaro : colore::Bianco;
        return dati[i].sfondo == atteso ? std::string{} : Cella(i) + " ha il colore sbagliato per la carta " + dati[i].testo + ".";
    };
    for (int i = 2; i <= 7; ++i)
        if (std::string e = coloreCarta(i, CartaDaGioco::DaCodice(dati[i].testo)); !e.empty()) return e;
    if (dati[8].sfondo == colore::RosaUmano) g.iniziatoDa = Chi::H;
    else if (dati[8].sfondo == colore::Rosso) g.iniziatoDa = Chi::PC;
    else return Cella(8) + " non dice chi ha iniziato il Gioco.";

    auto manoPC = g.manoPC, manoH = g.manoH;
    auto togli = [](std::array<CartaDaGioco, 3>& mano, CartaDaGioco c) {
        auto it = std::find(mano.begin(), mano.end(), c);
        if (it == mano.end()) return false;
        *it = CartaDaGioco{};
        return true;
    };
    auto metti = [](std::array<CartaDaGioco, 3>& mano, CartaDaGioco c) {
        *std::find(mano.begin(), mano.end(), CartaDaGioco{}) = c;
    };
    Chi primo = g.iniziatoDa;
    int puntiPC = 0, puntiH = 0;
    bool finito = false;
    for (int m = 1; m <= kManchePannello; ++m) {
        auto vuota = [&](ColonnaDati c) { return dati(m, c).testo.empty(); };
        const int prima = CellaDellaManche(m, ColonnaDati::CartaPC);
        const int ultima = std::min(CellaDellaManche(m, ColonnaDati::PescaH), kCelleSalvate - 1);
        bool tuttaVuota = true;
        for (int i = prima; i <= ultima; ++i) tuttaVuota = tuttaVuota && dati[i].testo.empty() && dati[i].sfondo == colore::Bianco;
        if (finito || tuttaVuota) {
            if (!tuttaVuota) return "la mano " + std::to_string(m) + " segue la fine del Gioco.";
            finito = true;
            continue;
        }
        MancheRicostruita r;
        r.primo = primo;
        // Played cards were dealt or drawn before: togli() finds them in the hand.
        r.cartaPC = CartaDaGioco::DaCodice(dati[prima].testo);
        r.cartaH = CartaDaGioco::DaCodice(dati[prima + 1].testo);
        if (r.cartaPC.Vuota()) return Cella(prima) + " non contiene una carta.";
        if (r.cartaH.Vuota()) return Cella(prima + 1) + " non contiene una carta.";
        if (std::string e = coloreCarta(prima, r.cartaPC); !e.empty()) return e;
        if (std::string e = coloreCarta(prima + 1, r.cartaH); !e.empty()) return e;
        if (!togli(manoPC, r.cartaPC) || !togli(manoH, r.cartaH))
            return "nella mano " + std::to_string(m) + " è giocata una carta che il giocatore non aveva.";
        const EsitoPresa presa = DecidiPresa(primo, r.cartaPC, r.cartaH, briscola);
        r.vincitore = presa.vincitore;
        (presa.vincitore == Chi::PC ? puntiPC : puntiH) += presa.punti;
        const CellaDati& pc = dati(m, ColonnaDati::PuntiPC);
        const CellaDati& h = dati(m, ColonnaDati::PuntiH);
        if (pc.testo != std::to_string(puntiPC) || h.testo != std::to_string(puntiH))
            return "i punti della mano " + std::to_string(m) + " non tornano con le carte giocate.";
        if (pc.sfondo != (presa.vincitore == Chi::PC ? colore::Rosso : colore::Bianco) ||
            h.sfondo != (presa.vincitore == Chi::H ? colore::RosaUmano : colore::Bianco))
            return "la mano " + std::to_string(m) + " non è segnata a chi l'ha vinta.";
        r.puntiPC = puntiPC;
        r.puntiH = puntiH;
        const bool pesca = m <= 17;
        if (pesca && !vuota(ColonnaDati::PescaPC)) {
            const bool ultimaPesca = m == 17;
            // At the last draw the loser takes the face-up briscola card, dealt already.
            const Chi perdente = presa.vincitore == Chi::PC ? Chi::H : Chi::PC;
            for (Chi chi : {Chi::PC, Chi::H}) {
                const int i = CellaDellaManche(m, chi == Chi::PC ? ColonnaDati::PescaPC : ColonnaDati::PescaH);
                CartaDaGioco c = CartaDaGioco::DaCodice(dati[i].testo);
                if (ultimaPesca && chi == perdente) {
                    if (c != g.briscola) return Cella(i) + " dovrebbe contenere la carta di briscola " + std::string(g.briscola.Codice()) + ".";
                } else if (std::string e = carta(i, c); !e.empty()) {
                    return e;
                }
                if (std::string e = coloreCarta(i, c); !e.empty()) return e;
                metti(chi == Chi::PC ? manoPC : manoH, c);
                (chi == Chi::PC ? r.pescaPC : r.pescaH) = c;
            }
        } else {
            if (ultima >= CellaDellaManche(m, ColonnaDati::PescaPC))
                for (int i = CellaDellaManche(m, ColonnaDati::PescaPC); i <= ultima; ++i)
                    if (!dati[i].testo.empty() || dati[i].sfondo != colore::Bianco) return Cella(i) + " dovrebbe essere vuota.";
            // Nothing drawn while the stock lasts: only a game that ended at this take.
            if (pesca && puntiPC <= 60 && puntiH <= 60) return "dopo la mano " + std::to_string(m) + " mancano le carte pescate.";
            if (pesca) finito = true;
        }
        g.manche.push_back(r);
        primo = presa.vincitore;
    }
    if (g.manche.empty()) return "non contiene nessuna mano giocata.";
    if (g.manche.size() < static_cast<std::size_t>(kManchePannello) && puntiPC <= 60 && puntiH <= 60)
        return "il Gioco si interrompe prima della fine.";
    return g;
}

bool SalvaPartitaSuFile(const std::filesystem::path& percorso, const PannelloDati& dati, std::string* errore) {
    return ScriviFileAtomico(percorso, ScriviPartita(dati), errore, false);
}

PartitaLetta LeggiPartitaDaFile(const std::filesystem::path& percorso) {
    const FileLetto f = LeggiFile(percorso, kMassimoFilePartita);
    switch (f.stato) {
        case FileLetto::Stato::Letto: return LeggiPartita(f.byte);
        case FileLetto::Stato::Mancante: return "Il file " + percorso.filename().string() + " non esiste.";
        case FileLetto::Stato::TroppoGrande: return std::string(kNonUnaPartita) + ": è troppo grande.";
        default: return AvvisoIlleggibile(percorso, f);
    }
}

}  // namespace mrvelto
