// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Conduttore.h"

namespace mrvelto {

Conduttore::Conduttore(Tavolo& tavolo, OrologioVirtuale& orologio, Giocatore& giocatore)
    : tavolo_(tavolo), orologio_(orologio), giocatore_(giocatore) {
    ascolto_ = tavolo_.Eventi().Iscrivi([this](const Evento& e) { giocatore_.Osserva(e, VistaPigra(tavolo_.Stato(), Chi::H, giocatore_)); });
}

int Conduttore::CartaDaCliccare() {
    const int k = giocatore_.Scegli(VistaPer(tavolo_.Stato(), Chi::H, giocatore_));
    if (k >= 4 && k <= 6 && tavolo_.ClickAccettato(k)) return k;
    for (int j = 4; j <= 6; ++j)
        if (tavolo_.ClickAccettato(j)) return j;
    return 0;
}

Conduttore::Azione Conduttore::AzionePossibile() const {
    const Presentazione& v = tavolo_.Vista();
    const StatoGioco& s = tavolo_.Stato();
    if (v.FineGioco.visibile) {
        if (!v.FineGioco.cmdContinuaOIniziaPartita.abilitata || s.InterdiciSuoni) return Azione::Nessuna;
        if (AttendiCommentoFinale && tavolo_.Orologio().Abilitato(tavolo_.Timer().CommentiFinali)) return Azione::Nessuna;
        return Azione::Continua;
    }
    if (v.cmdEffettuaLaPresa.visibile && !tavolo_.Orologio().Abilitato(tavolo_.Timer().EffettuaLaPresa))
        return Azione::Presa;
    // Most events find the human not to play: the guards every slot shares answer at once.
    if (!s.GiocoInCorso || !s.PuoiGiocare || s.AChiTocca != Chi::H) return Azione::Nessuna;
    for (int k = 4; k <= 6; ++k)
        if (tavolo_.ClickAccettato(k)) return Azione::Carta;
    return Azione::Nessuna;
}

Conduttore::Azione Conduttore::Agisci() {
    const Azione a = AzionePossibile();
    switch (a) {
        case Azione::Continua: tavolo_.TastoInvio(); break;
        case Azione::Presa: tavolo_.cmdEffettuaLaPresa_Click(); break;
        case Azione::Carta: tavolo_.ImgCarta_Click(CartaDaCliccare()); break;
        case Azione::Nessuna: break;
    }
    return a;
}

bool Conduttore::Passo() {
    if (Agisci() != Azione::Nessuna) return true;
    return orologio_.EseguiProssimo();
}

template <class Fatto>
bool Conduttore::Fino(Fatto fatto, std::uint64_t limitePassi) {
    limiteRaggiunto_ = false;
    for (std::uint64_t i = 0; !fatto(); ++i) {
        if (i >= limitePassi) {
            limiteRaggiunto_ = true;
            return false;
        }
        if (!Passo()) return false;
    }
    return true;
}

bool Conduttore::FinoAGiochi(std::uint64_t giochi, std::uint64_t limitePassi) {
    const std::uint64_t fatti = tavolo_.GiochiConclusi();
    if (limitePassi == 0) limitePassi = kPassiPerGioco * (giochi > fatti ? giochi - fatti : 1);
    return Fino([&] { return tavolo_.GiochiConclusi() >= giochi; }, limitePassi);
}

bool Conduttore::FinoAPartite(std::uint64_t partite, std::uint64_t limitePassi) {
    const std::uint64_t fatte = tavolo_.PartiteConcluse();
    if (limitePassi == 0) limitePassi = 9 * kPassiPerGioco * (partite > fatte ? partite - fatte : 1);
    return Fino([&] { return tavolo_.PartiteConcluse() >= partite; }, limitePassi);
}

}  // namespace mrvelto
