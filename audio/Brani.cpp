// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/Brani.h"

namespace mrvelto {

const std::array<Brano, 21> kBrani = {{
    {"Musiche/MelPop01.mid", "'La bella Gigogin' - Melodia popolare della Lombardia", 52625, false},
    {"Musiche/MelPop02.mid", "'Io vado all'orto' - Melodia popolare del Molise", 38500, false},
    {"Musiche/MelPop03.mid", "'Quant'è bello lu primo amor' - Melodia popolare della Basilicata", 43630, true},
    {"Musiche/MelPop04.mid", "'Le soir à la montagne' - Melodia popolare della Valle d'Aosta", 51000, true},
    {"Musiche/MelPop05.mid", "'Vitti 'na crozza' - Melodia popolare della Sicilia", 53000, false},
    {"Musiche/MelPop06.mid", "'La domenica andando alla Messa' - Melodia popolare del Trentino", 60500, true},
    {"Musiche/MelPop07.mid", "'Svegghiatevi da 'isonno' - Melodia popolare della Toscana", 41080, true},
    {"Musiche/MelPop08.mid", "'Vola vola vola' - Melodia popolare dell'Abruzzo", 48500, false},
    {"Musiche/MelPop09.mid", "'Maddalena' - Melodia popolare della Liguria", 30600, false},
    {"Musiche/MelPop10.mid", "'Ai preat la biele stele' - Melodia popolare del Friuli-Venezia Giulia", 32635, true},
    {"Musiche/MelPop11.mid", "'Bedda uagnedde' - Melodia popolare della Puglia", 31595, false},
    {"Musiche/MelPop12.mid", "'La Monferrina' - Melodia popolare del Piemonte", 46500, false},
    {"Musiche/MelPop13.mid", "'Ma chi boli' - Melodia popolare della Sardegna", 42095, false},
    {"Musiche/MelPop14.mid", "'Calabrisedda' - Melodia popolare della Calabria", 48500, false},
    {"Musiche/MelPop15.mid", "'Wettstreit' - Melodia popolare dell'Alto Adige", 30555, false},
    {"Musiche/MelPop16.mid", "'Serenata' - Melodia popolare delle Marche", 46070, false},
    {"Musiche/MelPop17.mid", "'La mula de Parenzo' - Melodia popolare del Veneto", 42625, false},
    {"Musiche/MelPop18.mid", "'Il vino dei Castelli' - Melodia popolare del Lazio", 54065, false},
    {"Musiche/MelPop19.mid", "'L'invito' - Melodia popolare dell'Umbria", 34000, false},
    {"Musiche/MelPop20.mid", "'Sciur Padrun da li beli braghi bianchi' - Melodia popolare dell'Emilia-Romagna", 47115, true},
    {"Musiche/MelPop21.mid", "'Santa Lucia' - Melodia popolare della Campania", 57000, false},
}};

int PausaMusica(opz::FrequenzaMusica frequenza) {
    switch (frequenza) {
        case opz::FrequenzaMusica::Sempre: return 10;
        case opz::FrequenzaMusica::Spesso: return 16000;
        case opz::FrequenzaMusica::OgniTanto: return 32000;
        case opz::FrequenzaMusica::Raramente: return 64000;
        default: return 0;
    }
}

}  // namespace mrvelto
