// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where this installation keeps its media and where the user's data goes.
#include "records/Percorsi.h"

namespace mrvelto {

// Media: MRVELTO_MEDIA, else share/mrvelto beside the executable (the build tree), else the
// installation's data folder reached from the executable's (../share/mrvelto), wherever the
// installation was put. User data: MRVELTO_HOME, else the platform's app data folder.
Radici RadiciDelProgramma();

}  // namespace mrvelto
