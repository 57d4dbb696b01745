// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UccisioneAlPasso.h"

#include "records/FileDati.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace mrvelto {
namespace {

long uccidiAl = 0;
long contati = 0;

bool Passo(std::string_view nome, const std::filesystem::path& percorso) {
    if (++contati == uccidiAl) {
        std::fprintf(stderr, "mrvelto: ucciso al passo %ld: %.*s %s\n", contati, static_cast<int>(nome.size()), nome.data(),
                     percorso.filename().c_str());
        ::kill(::getpid(), SIGKILL);
    }
    return true;
}

}  // namespace

void ArmaUccisioneAlPasso(const char* valore) {
    uccidiAl = valore ? std::atol(valore) : 0L;
    if (uccidiAl > 0) ImpostaPasso(&Passo);
}

}  // namespace mrvelto
