// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/RegoleFineGioco.h"

namespace mrvelto {

Chi SegnaGiocoNellaPartita(StatoGioco& s, const Opzioni& o) {
    s.GiocoInCorso = false;
    if (s.Vincitore == Chi::H)
        ++s.PartiteH;
    else if (s.Vincitore == Chi::PC)
        ++s.PartitePC;
    s.UltimoVincitore = s.Vincitore;
    const int n = o.GiochiPerPartita();
    if (s.PartitePC == n || s.PartiteH == n) s.PartitaInCorso = false;
    return s.Vincitore;
}

bool CerimoniaDovuta(const StatoGioco& s, const Opzioni& o) {
    const opz::Cerimonia cerimonia = o.Cerimonia;
    return s.Vincitore != Chi::Nessuno &&
           (cerimonia == opz::Cerimonia::OgniGioco || (cerimonia == opz::Cerimonia::FinePartita && !s.PartitaInCorso));
}

}  // namespace mrvelto
