// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/AspettoCarte.h"

#include "game/ColoriTavolo.h"
#include "game/Procedure.h"

namespace mrvelto {

namespace {
constexpr std::string_view kCartellaGrafica = "Grafica\\";
const std::string kNessunPercorso;
}

const std::array<MotivoNominato, 13>& TabellaMotivi() {
    static const std::array<MotivoNominato, 13> tabella{{
        {"Nessuno", ""},
        {"Decoro", "Decoro.gif"},
        {"Rombi", "Rombi.gif"},
        {"Spirali", "Spirali.gif"},
        {"Intrecci", "Intrecci.gif"},
        {"Scacchiera", "Scacchie.gif"},
        {"Ornamenti", "Ornament.gif"},
        {"Arabeschi", "Arabesch.gif"},
        {"Greche", "Greche.gif"},
        {"Diagonali", "Diagonal.gif"},
        {"Asterischi", "Asterisc.gif"},
        {"Arzigogoli", "Arzigogo.gif"},
        {"Stelle", "Stelle.gif"},
    }};
    return tabella;
}

const std::string& FileMotivo(std::string_view nome) {
    static const std::array<std::string, 13> percorsi = [] {
        std::array<std::string, 13> p;
        for (std::size_t i = 0; i < p.size(); ++i)
            if (const std::string_view file = TabellaMotivi()[i].file; !file.empty())
                p[i] = std::string(kPrefissoMedia) + std::string(kCartellaGrafica) + std::string(file);
        return p;
    }();
    for (std::size_t i = 0; i < percorsi.size(); ++i)
        if (TabellaMotivi()[i].nome == nome) return percorsi[i];
    return kNessunPercorso;
}

const std::string& FileFaccia(std::string_view stile, CartaDaGioco carta) {
    // By style (Napoletane, Piacentine, any other) and deck position.
    static const std::array<std::array<std::string, 41>, 3> percorsi = [] {
        constexpr std::string_view cartelle[3] = {"Napoleta\\", "Piacenti\\", "Opzional\\"};
        std::array<std::array<std::string, 41>, 3> p;
        for (std::size_t st = 0; st < 3; ++st)
            for (int n = 1; n <= 40; ++n)
                p[st][static_cast<std::size_t>(n)] = std::string(kPrefissoMedia) + std::string(cartelle[st]) +
                                                     std::string(CartaDaGioco::DaPosizione(n).Codice()) +
                                                     static_cast<char>('1' + st) + ".jpg";
        return p;
    }();
    const std::size_t st = stile == "Napoletane" ? 0 : stile == "Piacentine" ? 1 : 2;
    return percorsi[st][static_cast<std::size_t>(carta.Posizione())];
}

const std::string& FileFaccia(std::string_view stile, std::string_view codice) {
    return FileFaccia(stile, CartaDaGioco::DaCodice(codice));
}

void VisualizzaCarte(int k, CartaDaGioco carta, const Opzioni& opzioni, Presentazione& vista) {
    SlotGrafico& s = vista.Slot[k];
    if (carta.Vuota() || !Bianco(s)) return;
    s.scoperta = true;
    s.figura = FileFaccia(opzioni[OpzStileCarte], carta);
    s.bordo = BordoDelMazzo(opzioni, vista.BordoCarteOpzionali);
}

void MotivoRetro(int k, const Opzioni& opzioni, Presentazione& vista) {
    SlotGrafico& s = vista.Slot[k];
    if (InFilaCentrale(s)) return;
    if (opzioni.MostraCartePC() && k != kSlotMazzo) return;
    s.scoperta = false;
    s.riempimento = vista.ColoreRetro;
    s.figura = FileMotivo(opzioni[OpzMotivoRetro]);
    s.bordo = false;
}

void ColoraRetroCarte(const Opzioni& opzioni, Presentazione& vista) {
    const ColoreNominato* c = CercaColore(opzioni[OpzColoreRetro]);
    const Colore retro = c ? c->retro : CercaColore("Salvia")->retro;
    vista.Slot[kSlotMazzo].riempimento = retro;
    if (!opzioni.MostraCartePC())
        for (int k = 1; k <= 3; ++k)
            if (!InFilaCentrale(vista.Slot[k])) vista.Slot[k].riempimento = retro, vista.Slot[k].scoperta = false;
    vista.ColoreRetro = retro;
}

void ColoraTavolo(const Opzioni& opzioni, Presentazione& vista) {
    const ColoreNominato* c = CercaColore(opzioni[OpzColoreTavolo]);
    vista.ColoreTavolo = c ? c->tavolo : CercaColore("Salvia")->tavolo;
}

}  // namespace mrvelto
