#include "game/Avversario.h"

#include "game/Tavolo.h"

namespace mrvelto {

int AvversarioCasuale::ScegliCarta(const Tavolo& tavolo) {
    int legali[3];
    int n = 0;
    for (int k = 4; k <= 6; ++k)
        if (tavolo.ClickAccettato(k)) legali[n++] = k;
    if (n == 0) return 0;
    std::uniform_int_distribution<int> d(0, n - 1);
    return legali[d(gen_)];
}

}  // namespace mrvelto
