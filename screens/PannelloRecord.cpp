// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/PannelloRecord.h"

#include <algorithm>

#include "game/Opzioni.h"

namespace mrvelto {

PannelloRecord ComponiPannelloRecord(const Record& r) {
    PannelloRecord p;
    for (int i = 1; i <= kRigheClassifica; ++i) {
        const RigaClassifica& c = r.Classifica[i];
        RigaPannelloClassifica& riga = p.righe[i];
        riga.posizione = std::to_string(i);
        riga.nome = c.NomeVincitore;
        riga.data = c.DataPartitaVinta;
        if (!c.Vuota()) {
            riga.vinte = std::to_string(c.NumeroPartiteVinte);
            riga.perse = std::to_string(c.NumeroPartitePerse);
        }
        riga.posizioneVisibile = c.PosizioneVisibile;
        riga.vinteVisibile = c.VinteVisibile;
        riga.perseVisibile = c.PerseVisibile;
    }
    const auto ciclo = CicloOpzione(OpzAbilita);
    for (int k = 1; k <= kLivelli; ++k) {
        RisultatoLivello& l = p.livelli[k];
        l.nome = std::string(kNomeMrVelto) + " " + static_cast<char>('A' + k - 1);
        l.livello = std::string(ciclo.at(static_cast<std::size_t>(k - 1)));
        l.vittorie = r.VittoriePCVariLivelli[k];
        l.sconfitte = r.SconfittePCVariLivelli[k];
    }
    p.LstAlbo = r.LstAlbo;
    return p;
}

int ScorrimentoLista::Prima(int totale, int righe) const {
    const int ultima = std::max(0, totale - std::max(1, righe));
    return prima_ < 0 ? ultima : std::min(prima_, ultima);
}

void ScorrimentoLista::Scorri(int passi, int totale, int righe) {
    const int ultima = std::max(0, totale - std::max(1, righe));
    const int p = std::clamp(Prima(totale, righe) + passi, 0, ultima);
    prima_ = p >= ultima ? -1 : p;
}

}  // namespace mrvelto
