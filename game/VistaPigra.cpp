// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/VistaPigra.h"

#include "game/Giocatore.h"

namespace mrvelto {

void VistaPigra::Costruisci() const { vista_ = ::new (static_cast<void*>(spazio_)) VistaGiocatore(VistaPer(*stato_, posto_, *giocatore_)); }

}  // namespace mrvelto
