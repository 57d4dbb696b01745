// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform's file dialogs and message box for saving and loading games.
#include <QWidget>

#include "screens/Programma.h"

namespace mrvelto {

void ImpostaDialoghiArchivio(Programma& programma, QWidget* finestra);

}  // namespace mrvelto
