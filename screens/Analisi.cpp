// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Analisi.h"

#include <algorithm>

#include "audio/SuoniECommenti.h"

namespace mrvelto {

namespace {

std::string Codice(CartaDaGioco c) { return std::string(c.Codice()); }

void Togli(std::array<CartaDaGioco, 3>& mano, CartaDaGioco c) {
    if (auto it = std::find(mano.begin(), mano.end(), c); it != mano.end()) *it = CartaDaGioco{};
}
void Metti(std::array<CartaDaGioco, 3>& mano, CartaDaGioco c) {
    if (c.Vuota()) return;
    if (auto it = std::find(mano.begin(), mano.end(), CartaDaGioco{}); it != mano.end()) *it = c;
}

}  // namespace

Analisi::Analisi(Tavolo& tavolo, Lettore& effetti, std::filesystem::path media)
    : tavolo_(tavolo), effetti_(effetti), media_(std::move(media)) {}

std::optional<std::string> Analisi::Inizia() {
    auto letto = RicostruisciGioco(tavolo_.Dati());
    if (const std::string* errore = std::get_if<std::string>(&letto)) return "Il Gioco non si può rivedere: " + *errore;
    gioco_ = std::get<GiocoRicostruito>(std::move(letto));
    vista_ = VistaAnalisi{};
    vista_.manoPC = gioco_->manoPC;
    vista_.manoH = gioco_->manoH;
    vista_.briscola = gioco_->briscola;
    const std::string& nomeH = tavolo_.Dati()[1].testo;
    vista_.descrizione = "Le carte distribuite. Inizia " + std::string(gioco_->iniziatoDa == Chi::H ? nomeH : "Mr. VELTO") + ".";
    tavolo_.ImpostaCellaDati(10, "", colore::Bianco);
    tavolo_.ImpostaCellaDati(14, "", colore::Bianco);
    return std::nullopt;
}

void Analisi::cmdInizioAnalisi_Click() {
    const std::string& audio = tavolo_.Opz()[OpzAudioAnalisi];
    rumori_ = tavolo_.Opz().RumoriAttivi() && (audio == "Come nel Gioco" || audio == "Interrompi la Musica");
}

void Analisi::cmdScegliManche_Click() {
    if (!gioco_ || vista_.finita) return;
    const std::string nomeH = tavolo_.Dati()[1].testo;
    auto nome = [&](Chi c) { return c == Chi::H ? nomeH : std::string("Mr. VELTO"); };
    // The cards drawn after the trick on the table go into the hands first.
    if (vista_.Manche > 0) {
        const MancheRicostruita& prima = gioco_->manche[static_cast<std::size_t>(vista_.Manche - 1)];
        Metti(vista_.manoPC, prima.pescaPC);
        Metti(vista_.manoH, prima.pescaH);
        if (!prima.pescaPC.Vuota()) {
            vista_.carteNelMazzo = std::max(0, vista_.carteNelMazzo - 2);
            if (prima.pescaPC == gioco_->briscola || prima.pescaH == gioco_->briscola) {
                vista_.briscolaInTavola = false;
                vista_.carteNelMazzo = 0;
            }
        }
    }
    vista_.inTavolaPC = vista_.inTavolaH = CartaDaGioco{};
    vista_.presaDi = Chi::Nessuno;
    if (vista_.Manche >= static_cast<int>(gioco_->manche.size())) {
        vista_.finita = true;
        const char* esito = vista_.PuntiH > vista_.PuntiPC ? "Vince " : vista_.PuntiPC > vista_.PuntiH ? "Vince " : "";
        const Chi vincitore = vista_.PuntiH > vista_.PuntiPC ? Chi::H : Chi::PC;
        vista_.descrizione = "Punteggio finale: Mr. VELTO " + std::to_string(vista_.PuntiPC) + ", " + nomeH + " " +
                             std::to_string(vista_.PuntiH) + ". " +
                             (*esito ? esito + nome(vincitore) + "." : std::string("Pareggio."));
        tavolo_.ImpostaCellaDati(14, std::string(kFineAnalisi), colore::Bianco);
        return;
    }
    const MancheRicostruita& m = gioco_->manche[static_cast<std::size_t>(vista_.Manche)];
    ++vista_.Manche;
    Togli(vista_.manoPC, m.cartaPC);
    Togli(vista_.manoH, m.cartaH);
    vista_.inTavolaPC = m.cartaPC;
    vista_.inTavolaH = m.cartaH;
    vista_.presaDi = m.vincitore;
    vista_.PuntiPC = m.puntiPC;
    vista_.PuntiH = m.puntiH;
    const Chi secondo = m.primo == Chi::H ? Chi::PC : Chi::H;
    const CartaDaGioco cartaPrimo = m.primo == Chi::H ? m.cartaH : m.cartaPC;
    const CartaDaGioco cartaSecondo = m.primo == Chi::H ? m.cartaPC : m.cartaH;
    const int punti = m.cartaPC.Punti() + m.cartaH.Punti();
    std::string d = "Mano " + std::to_string(vista_.Manche) + ": " + nome(m.primo) + " gioca " + Codice(cartaPrimo) + ", " +
                    nome(secondo) + " risponde " + Codice(cartaSecondo) + ". Prende " + nome(m.vincitore) +
                    (punti == 1 ? " (1 punto)." : " (" + std::to_string(punti) + " punti).");
    if (!m.pescaPC.Vuota()) {
        const bool pcPrimo = m.vincitore == Chi::PC;
        d += " Pescano " + nome(m.vincitore) + " " + Codice(pcPrimo ? m.pescaPC : m.pescaH) + " e " +
             nome(pcPrimo ? Chi::H : Chi::PC) + " " + Codice(pcPrimo ? m.pescaH : m.pescaPC) + ".";
    }
    vista_.descrizione = d;
    if (rumori_) {
        const CartaDaGioco presa = m.vincitore == Chi::H ? m.cartaH : m.cartaPC;
        Suona(RumoreDelValore(presa.Valore()));
    }
}

void Analisi::Suona(const char* clip) {
    if (!clip) return;
    SuonaDaCapo(effetti_, (media_ / clip).string());
}

}  // namespace mrvelto
