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
        {opz::Motivo::Nessuno, ""},
        {opz::Motivo::Decoro, "Decoro.gif"},
        {opz::Motivo::Rombi, "Rombi.gif"},
        {opz::Motivo::Spirali, "Spirali.gif"},
        {opz::Motivo::Intrecci, "Intrecci.gif"},
        {opz::Motivo::Scacchiera, "Scacchie.gif"},
        {opz::Motivo::Ornamenti, "Ornament.gif"},
        {opz::Motivo::Arabeschi, "Arabesch.gif"},
        {opz::Motivo::Greche, "Greche.gif"},
        {opz::Motivo::Diagonali, "Diagonal.gif"},
        {opz::Motivo::Asterischi, "Asterisc.gif"},
        {opz::Motivo::Arzigogoli, "Arzigogo.gif"},
        {opz::Motivo::Stelle, "Stelle.gif"},
    }};
    return tabella;
}

std::string FileMotivo(opz::Motivo motivo) {
    for (const MotivoNominato& m : TabellaMotivi())
        if (m.motivo == motivo && !m.file.empty())
            return std::string(kPrefissoMedia) + std::string(kCartellaGrafica) + std::string(m.file);
    return {};
}

std::string FileFaccia(opz::Mazzo stile, std::string_view codice) {
    if (!CodiceValido(codice)) return {};
    std::string_view cartella = "Opzional\\";
    char suffisso = '3';
    if (stile == opz::Mazzo::Napoletane) cartella = "Napoleta\\", suffisso = '1';
    else if (stile == opz::Mazzo::Piacentine) cartella = "Piacenti\\", suffisso = '2';
    return std::string(kPrefissoMedia) + std::string(cartella) + std::string(codice) + suffisso + ".jpg";
}

void VisualizzaCarte(int k, CartaDaGioco carta, const Opzioni& opzioni, Presentazione& vista) {
    SlotGrafico& s = vista.Slot[k];
    if (carta.Vuota() || !Bianco(s)) return;
    s.scoperta = true;
    if (std::string file = FileFaccia(opzioni.StileCarte, carta.Codice()); !file.empty()) s.figura = std::move(file);
    s.bordo = BordoDelMazzo(opzioni, vista.BordoCarteOpzionali);
}

void MotivoRetro(int k, const Opzioni& opzioni, Presentazione& vista) {
    SlotGrafico& s = vista.Slot[k];
    if (InFilaCentrale(s)) return;
    if (opzioni.MostraCartePC() && k != kSlotMazzo) return;
    s.scoperta = false;
    s.riempimento = vista.ColoreRetro;
    s.figura = FileMotivo(opzioni.MotivoRetro);
    s.bordo = false;
}

void ColoraRetroCarte(const Opzioni& opzioni, Presentazione& vista) {
    const Colore retro = TabellaColori().at(static_cast<std::size_t>(opzioni.ColoreRetro)).retro;
    vista.Slot[kSlotMazzo].riempimento = retro;
    if (!opzioni.MostraCartePC())
        for (int k = 1; k <= 3; ++k)
            if (!InFilaCentrale(vista.Slot[k])) vista.Slot[k].riempimento = retro, vista.Slot[k].scoperta = false;
    vista.ColoreRetro = retro;
}

void ColoraTavolo(const Opzioni& opzioni, Presentazione& vista) {
    vista.ColoreTavolo = TabellaColori().at(static_cast<std::size_t>(opzioni.ColoreTavolo)).tavolo;
}

}  // namespace mrvelto
