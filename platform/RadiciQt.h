#pragma once
// Where this installation keeps its media and where the user's data goes.
#include "records/Percorsi.h"

namespace mrvelto {

// Media: MRVELTO_MEDIA, else share/mrvelto beside the executable (the build tree), else
// ../share/mrvelto (an installation). User data: MRVELTO_HOME, else the platform's app data folder.
Radici RadiciDelProgramma();

}  // namespace mrvelto
