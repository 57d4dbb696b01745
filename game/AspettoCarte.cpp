// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/AspettoCarte.h"

#include "game/ColoriTavolo.h"
#include "game/Procedure.h"

namespace mrvelto {

namespace {
constexpr std::string_view kCartellaGrafica = "Grafica\\";
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

std::string FileMotivo(std::string_view nome) {
    for (const MotivoNominato& m : TabellaMotivi())
        if (m.nome == nome && !m.file.empty())
            return std::string(kPrefissoMedia) + std::string(kCartellaGrafica) + std::string(m.file);
    return {};
}

std::string FileFaccia(std::string_view stile, std::string_view codice) {
    if (!CodiceValido(codice)) return {};
    std::string_view cartella = "Opzional\\";
    char suffisso = '3';
    if (stile == "Napoletane") cartella = "Napoleta\\", suffisso = '1';
    else if (stile == "Piacentine") cartella = "Piacenti\\", suffisso = '2';
    return std::string(kPrefissoMedia) + std::string(cartella) + std::string(codice) + suffisso + ".jpg";
}

void VisualizzaCarte(int k, CartaDaGioco carta, const Opzioni& opzioni, Presentazione& vista) {
    SlotGrafico& s = vista.Slot[k];
    if (carta.Vuota() || !Bianco(s)) return;
    s.scoperta = true;
    if (std::string file = FileFaccia(opzioni[OpzStileCarte], carta.Codice()); !file.empty()) s.figura = std::move(file);
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
