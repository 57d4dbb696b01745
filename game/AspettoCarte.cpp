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

const std::string& FileMotivo(opz::Motivo motivo) {
    static const std::array<std::string, 13> percorsi = [] {
        std::array<std::string, 13> p;
        for (const MotivoNominato& m : TabellaMotivi())
            if (!m.file.empty())
                p.at(static_cast<std::size_t>(m.motivo)) = std::string(kPrefissoMedia) + std::string(kCartellaGrafica) + std::string(m.file);
        return p;
    }();
    const auto i = static_cast<std::size_t>(motivo);
    return i < percorsi.size() ? percorsi[i] : kNessunPercorso;
}

const std::string& FileFaccia(opz::Mazzo stile, CartaDaGioco carta) {
    // By style (in the order of opz::Mazzo) and deck position; position 0, no card, stays empty.
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
    const std::size_t st = stile == opz::Mazzo::Napoletane ? 0 : stile == opz::Mazzo::Piacentine ? 1 : 2;
    return percorsi[st][static_cast<std::size_t>(carta.Posizione())];
}

const std::string& FileFaccia(opz::Mazzo stile, std::string_view codice) {
    return FileFaccia(stile, CartaDaGioco::DaCodice(codice));
}

void VisualizzaCarte(int k, CartaDaGioco carta, const Opzioni& opzioni, Presentazione& vista) {
    SlotGrafico& s = vista.Slot[k];
    if (carta.Vuota() || !Bianco(s)) return;
    s.scoperta = true;
    s.figura = FileFaccia(opzioni.StileCarte, carta);
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
