// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/SegnapuntiPartita.h"

namespace mrvelto {

namespace {

constexpr float kBordoSinistro = 10380;  // ShpLineaV(1)
constexpr float kPrimoPunto = 10455;
constexpr float kUltimoPunto = 11535;
constexpr float kBordoDestro = 11775;    // ShpLineaV(5)

// Left of a stroke standing in the middle of the gap between two dot columns.
float TraColonne(float a, float b) { return (a + kLatoPunto + b) / 2 - kLarghezzaLineaV / 2; }

}  // namespace

SegnapuntiPartita DisposizioneSegnapunti(int giochi) {
    if (giochi < 3 || giochi > 5) giochi = 4;
    SegnapuntiPartita s;
    const float passo = (kUltimoPunto - kPrimoPunto) / static_cast<float>(giochi - 1);
    for (int k = 1; k <= 5; ++k) {
        const float x = k <= giochi ? kPrimoPunto + passo * static_cast<float>(k - 1) : kUltimoPunto;
        s.SinistraPuntiPC[k] = x;
        s.SinistraPuntiH[k] = x;
    }
    const auto& c = s.SinistraPuntiPC;
    s.SinistraLineaV[1] = kBordoSinistro;
    s.SinistraLineaV[5] = kBordoDestro;
    s.LineaVVisibile[1] = true;
    s.LineaVVisibile[5] = true;
    // The middle stroke stays at the centre of the box; shown only when the columns are even.
    s.SinistraLineaV[3] = TraColonne(kPrimoPunto, kUltimoPunto);
    switch (giochi) {
        case 3:
            s.SinistraLineaV[2] = TraColonne(c[1], c[2]);
            s.SinistraLineaV[4] = TraColonne(c[2], c[3]);
            s.LineaVVisibile[2] = true;
            s.LineaVVisibile[3] = false;
            s.LineaVVisibile[4] = true;
            break;
        case 5:
            s.SinistraLineaV[2] = TraColonne(c[2], c[3]);
            s.SinistraLineaV[4] = TraColonne(c[3], c[4]);
            s.LineaVVisibile[2] = true;
            s.LineaVVisibile[3] = false;
            s.LineaVVisibile[4] = true;
            break;
        default:
            s.SinistraLineaV[2] = TraColonne(c[1], c[2]);
            s.SinistraLineaV[4] = TraColonne(c[3], c[4]);
            s.LineaVVisibile[2] = true;
            s.LineaVVisibile[3] = true;
            s.LineaVVisibile[4] = true;
            break;
    }
    return s;
}

}  // namespace mrvelto
