// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/CarteOpzionali.h"

#include "records/FileDati.h"
#include "records/FormatoRiga.h"

namespace mrvelto {

bool CarteOpzionali::ConBordo() const {
    const auto x = ComeDecimale(ValoreRiga{ValoreRiga::Tipo::Nudo, BordoCarteOpzionali});
    return x && *x != 0;
}

bool LeggiCarteOpzionaliDa(std::string_view byte, CarteOpzionali& c) {
    LettoreRighe in(byte);
    in.Testo(c.CarteOpzionali);
    in.Testo(c.BordoCarteOpzionali);
    std::string nome;
    // An empty name could not be told apart from no value in "Stile Carte:".
    if (in.Testo(nome)) {
        if (nome.empty()) in.Scarta();
        else c.NomeCarteOpzionali = nome;
    }
    return in.Integro();
}

void LeggiCarteOpzionali(const std::filesystem::path& percorso, CarteOpzionali& c, Avvisi& avvisi) {
    const FileLetto f = LeggiFile(percorso, kMassimoCarteOpzionali);
    if (f.stato == FileLetto::Stato::Mancante) return;
    if (f.stato == FileLetto::Stato::Letto && LeggiCarteOpzionaliDa(f.byte, c)) return;
    if (f.stato == FileLetto::Stato::Illeggibile || f.stato == FileLetto::Stato::NonUnFile)
        avvisi.Aggiungi(AvvisoIlleggibile(percorso, f) + " Le carte opzionali restano quelle iniziali.");
    else if (f.stato == FileLetto::Stato::TroppoGrande) avvisi.Aggiungi(AvvisoTroppoGrande(percorso, f.dimensione, kMassimoCarteOpzionali));
    else avvisi.Aggiungi("Il file " + percorso.filename().string() + " del mazzo opzionale è incompleto o danneggiato: i valori mancanti restano quelli iniziali.");
}

}  // namespace mrvelto
