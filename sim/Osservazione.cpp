// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Osservazione.h"

#include "game/Opzioni.h"
#include "game/VistaGiocatore.h"

namespace mrvelto::sim {

namespace {

using Json = nlohmann::ordered_json;

const char* Lato(Chi chi, Chi posto) { return chi == posto ? "you" : "opponent"; }

Json Carta(CartaDaGioco carta) { return carta.Vuota() ? Json(nullptr) : Json(std::string(carta.Codice())); }

Json Coppia(int mio, int suo) { return Json{{"you", mio}, {"opponent", suo}}; }

Json Intestazione(const char* tipo, const StatoGioco& s, const ContestoOsservazione& c) {
    Json j;
    j["type"] = tipo;
    j["game"] = c.gioco;
    j["match"] = c.partita;
    j["game_in_match"] = s.NumeroGioco;
    j["seat"] = TestoDi(c.posto);
    return j;
}

Json Regole(const ContestoOsservazione& c) {
    Json r;
    r[std::string(DidascaliaOpzione(OpzConclusioneGioco))] = c.conclusioneGioco;
    r[std::string(DidascaliaOpzione(OpzConclusionePartita))] = c.conclusionePartita;
    return r;
}

Json Giocate(const std::vector<Giocata>& giocate, Chi posto) {
    Json a = Json::array();
    for (const Giocata& g : giocate) a.push_back(Json{{"card", std::string(g.carta.Codice())}, {"by", Lato(g.chi, posto)}});
    return a;
}

}  // namespace

std::array<int, 3> SlotDellaMano(Chi posto) {
    return posto == Chi::PC ? std::array<int, 3>{1, 2, 3} : std::array<int, 3>{4, 5, 6};
}

Json RigaInizio(const StatoGioco& s, const ContestoOsservazione& c, std::uint64_t seme) {
    Json j = Intestazione("start", s, c);
    j["protocol"] = kVersioneProtocollo;
    j["first"] = Lato(s.GiocoIniziatoDa, c.posto);
    j["games_won"] = c.posto == Chi::H ? Coppia(s.PartiteH, s.PartitePC) : Coppia(s.PartitePC, s.PartiteH);
    j["rules"] = Regole(c);
    j["seed"] = seme;
    return j;
}

Json RigaMossa(const StatoGioco& s, const ContestoOsservazione& c, const std::vector<Giocata>& giocate) {
    // Everything below comes from the seat's view, which never holds the other side's hand.
    const VistaGiocatore v = VistaDi(s, c.posto);
    Json j = Intestazione("move", s, c);
    j["move"] = c.mossa;
    j["trick"] = s.Manche;
    Json mano = Json::array(), slot = Json::array();
    const auto slots = SlotDellaMano(c.posto);
    for (std::size_t i = 0; i < 3; ++i) {
        mano.push_back(Carta(v.mano[i]));
        slot.push_back(slots[i]);
    }
    j["hand"] = mano;
    j["slots"] = slot;
    const char b = v.briscola.Seme();
    j["briscola"] = b ? Json(std::string(1, b)) : Json(nullptr);
    // Face up under the stock until the last draw takes it.
    j["briscola_card"] = v.NumeroCarteRimaste > 0 ? Carta(v.briscola) : Json(nullptr);
    j["stock"] = v.NumeroCarteRimaste > 0 ? v.NumeroCarteRimaste : 0;
    j["leader"] = Lato(v.TurnoDiGioco, c.posto);
    // The other side's card when it led this trick; never a card still in its hand.
    j["table"] = Carta(v.inTavola);
    j["points"] = Coppia(v.puntiPropri, v.puntiAvversario);
    j["games_won"] = c.posto == Chi::H ? Coppia(s.PartiteH, s.PartitePC) : Coppia(s.PartitePC, s.PartiteH);
    j["played"] = Giocate(giocate, c.posto);
    j["rules"] = Regole(c);
    return j;
}

Json RigaFine(const EsitoGioco& e, const ContestoOsservazione& c, const std::vector<Giocata>& giocate) {
    Json j;
    j["type"] = "end";
    j["game"] = c.gioco;
    j["match"] = c.partita;
    j["game_in_match"] = c.giocoNellaPartita;
    j["seat"] = TestoDi(c.posto);
    const bool h = c.posto == Chi::H;
    j["points"] = h ? Coppia(e.PuntiH, e.PuntiPC) : Coppia(e.PuntiPC, e.PuntiH);
    j["result"] = e.Vincitore == Chi::Nessuno ? "draw" : e.Vincitore == c.posto ? "win" : "loss";
    j["games_won"] = h ? Coppia(e.PartiteH, e.PartitePC) : Coppia(e.PartitePC, e.PartiteH);
    j["match_over"] = e.partitaFinita;
    j["played"] = Giocate(giocate, c.posto);
    return j;
}

}  // namespace mrvelto::sim
