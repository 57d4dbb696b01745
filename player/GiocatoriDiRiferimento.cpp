#include "player/GiocatoriDiRiferimento.h"

#include <tuple>

#include "player/DecisionePC.h"

namespace mrvelto {

namespace {

int Primo(Chi posto) { return posto == Chi::PC ? 1 : 4; }

// The card of the other side on the table, 0 when `posto` leads.
int CartaInTavola(const StatoGioco& s, Chi posto) {
    if (s.TurnoDiGioco == posto) return 0;
    return posto == Chi::PC ? s.NumeroCartaGiocataDaH : s.NumeroCartaGiocataDaPC;
}

}  // namespace

int PoliticaCasuale::Scegli(const StatoGioco& stato, Chi posto) {
    int slot[3], n = 0;
    for (int k = Primo(posto); k < Primo(posto) + 3; ++k)
        if (!stato.Carta[k].empty()) slot[n++] = k;
    if (n == 0) return 0;
    std::uniform_int_distribution<int> d(0, n - 1);
    return slot[d(gen_)];
}

int PoliticaGolosa::Scegli(const StatoGioco& s, Chi posto) {
    const char briscola = s.SemeBriscola();
    auto costo = [&](int k) { return std::make_tuple(s.Seme[k] == briscola, PuntiDelValore(s.Valore[k]), s.Valore[k]); };
    auto piuBassa = [&](auto ammessa) {
        int scelta = 0;
        for (int k = Primo(posto); k < Primo(posto) + 3; ++k)
            if (!s.Carta[k].empty() && ammessa(k) && (scelta == 0 || costo(k) < costo(scelta))) scelta = k;
        return scelta;
    };
    const int t = CartaInTavola(s, posto);
    if (t != 0 && PuntiDelValore(s.Valore[t]) > 0) {
        const Chi altro = posto == Chi::PC ? Chi::H : Chi::PC;
        const int vincente = piuBassa([&](int k) {
            const int pc = posto == Chi::PC ? k : t, h = posto == Chi::PC ? t : k;
            return DecidiPresa(altro, s.Seme[pc], s.Valore[pc], s.Seme[h], s.Valore[h], briscola).vincitore == posto;
        });
        if (vincente != 0) return vincente;
    }
    return piuBassa([](int) { return true; });
}

PoliticaVelto::PoliticaVelto(char livello, std::uint64_t seme) : livello_(livello), caso_(seme, [] { return OraMinSec{}; }) {}

int PoliticaVelto::Scegli(const StatoGioco& stato, Chi posto) {
    StatoGioco vista = VistaDalPosto(stato, posto);
    if (posto == Chi::H) {
        if (stato.NumeroCarteRimaste == 34) filtro60Punti_ = false;  // a new game
        vista.Filtro60Punti = filtro60Punti_;
    }
    TabellePC tab;
    const int scelta = DecidiMossa(vista, tab, caso_, livello_).scelta;
    if (posto == Chi::H) filtro60Punti_ = vista.Filtro60Punti;
    if (scelta == 0) return 0;
    return posto == Chi::PC ? scelta : scelta + 3;
}

StatoGioco VistaDalPosto(const StatoGioco& s, Chi posto) {
    StatoGioco m = s;
    if (posto == Chi::PC) return m;
    for (int k = 1; k <= 3; ++k) {
        m.Carta[k] = s.Carta[k + 3];
        m.Valore[k] = s.Valore[k + 3];
        m.Seme[k] = s.Seme[k + 3];
        m.Carta[k + 3] = s.Carta[k];
        m.Valore[k + 3] = s.Valore[k];
        m.Seme[k + 3] = s.Seme[k];
    }
    auto scambia = [](Chi c) { return c == Chi::PC ? Chi::H : c == Chi::H ? Chi::PC : c; };
    m.PuntiPC = s.PuntiH;
    m.PuntiH = s.PuntiPC;
    m.TurnoDiGioco = scambia(s.TurnoDiGioco);
    m.AChiTocca = scambia(s.AChiTocca);
    m.GiocoIniziatoDa = scambia(s.GiocoIniziatoDa);
    m.NumeroCartaGiocataDaH = s.NumeroCartaGiocataDaPC != 0 ? s.NumeroCartaGiocataDaPC + 3 : 0;
    m.NumeroCartaGiocataDaPC = s.NumeroCartaGiocataDaH != 0 ? s.NumeroCartaGiocataDaH - 3 : 0;
    if (m.TurnoDiGioco == Chi::H && m.NumeroCartaGiocataDaH != 0) {
        const int h = m.NumeroCartaGiocataDaH;
        const int n = PosizioneNelMazzo(m.Carta[h]);
        if (n != 0) m.PreseVirtuali[n].coloreTesto = colore::Nero;
    }
    return m;
}

std::unique_ptr<Politica> CreaPolitica(const std::string& nome, char livello, std::uint64_t seme) {
    if (nome == "random") return std::make_unique<PoliticaCasuale>(seme);
    if (nome == "greedy") return std::make_unique<PoliticaGolosa>();
    if (nome == "velto") return std::make_unique<PoliticaVelto>(livello, seme);
    return nullptr;
}

}  // namespace mrvelto
