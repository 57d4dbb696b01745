// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mrvelto {

// With MRVELTO_UCCIDI_AL_PASSO=N in the environment, the run ends as by `kill -9` just before the
// N-th write step of its data files, after saying which on standard error: scripts/kill-loop.sh
// aims its kills at every step of a save this way. Without it, nothing changes.
void ArmaUccisioneAlPasso(const char* valore);

}  // namespace mrvelto
