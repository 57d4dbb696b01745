// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options set by their display texts, as the panel and the settings file do: a text the option
// does not know fails the test instead of leaving the option as it was.
#include <gtest/gtest.h>

#include <string_view>

#include "game/Opzioni.h"
#include "game/Tavolo.h"

namespace mrvelto::test {

inline void Imposta(Opzioni& o, int n, std::string_view testo) {
    if (!o.ImpostaTesto(n, testo)) ADD_FAILURE() << "option " << n << " has no value \"" << testo << "\"";
}

inline void Imposta(Tavolo& t, int n, std::string_view testo) {
    Opzioni o = t.Opz();
    Imposta(o, n, testo);
    t.ImpostaOpzione(n, o);
}

}  // namespace mrvelto::test
