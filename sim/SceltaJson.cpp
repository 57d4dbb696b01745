// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/SceltaJson.h"

#include <charconv>
#include <string>

#include "player/DecisionePC.h"
#include "sim/RispostaEsterna.h"

namespace mrvelto {

namespace {

using nlohmann::json;

// One line whatever the input held: a card code may carry a newline or a control byte.
[[noreturn]] void Errore(const std::string& messaggio) { throw std::invalid_argument(sim::SuUnaRiga(messaggio, 400)); }

const json& Chiave(const json& j, const char* nome) {
    const auto it = j.find(nome);
    if (it == j.end()) Errore(std::string("manca la chiave \"") + nome + "\"");
    return *it;
}

// The range is checked on the value as parsed, before any conversion or sum: a value past
// INT64_MAX arrives unsigned and would wrap if read as signed.
long long Intero(const json& v, const char* nome, long long minimo, long long massimo) {
    const std::string fuori = std::string("\"") + nome + "\" deve stare fra " + std::to_string(minimo) + " e " + std::to_string(massimo);
    if (v.is_number_unsigned()) {
        const std::uint64_t u = v.get<std::uint64_t>();
        if (massimo < 0 || u > static_cast<std::uint64_t>(massimo)) Errore(fuori);
        return static_cast<long long>(u);
    }
    if (!v.is_number_integer()) Errore(std::string("\"") + nome + "\" deve essere un numero intero");
    const long long x = v.get<long long>();
    if (x < minimo || x > massimo) Errore(fuori);
    return x;
}

// Any 64-bit unsigned value, as `match --seed` takes it.
std::uint64_t Seme(const json& v) {
    if (v.is_number_unsigned()) return v.get<std::uint64_t>();
    if (v.is_number_integer()) {
        const long long x = v.get<long long>();
        if (x < 0) Errore("\"seed\" non può essere negativo");
        return static_cast<std::uint64_t>(x);
    }
    if (v.is_number_float()) Errore("\"seed\" deve essere un numero intero fra 0 e 18446744073709551615");
    Errore("\"seed\" deve essere un numero intero");
}

std::string Testo(const json& v, const char* nome) {
    if (!v.is_string()) Errore(std::string("\"") + nome + "\" deve essere un testo");
    return v.get<std::string>();
}

// Card codes become cards here, at the edge: what lies beyond reads only typed cards.
CartaDaGioco Carta(const json& v, const char* nome) {
    const std::string codice = Testo(v, nome);
    const CartaDaGioco c = CartaDaGioco::DaCodice(codice);
    if (c.Vuota()) Errore("carta sconosciuta: \"" + codice + "\"");
    return c;
}

std::array<CartaDaGioco, 3> Mano(const json& v, const char* nome) {
    if (!v.is_array() || v.size() != 3) Errore(std::string("\"") + nome + "\" deve essere un elenco di 3 carte o null");
    std::array<CartaDaGioco, 3> mano;
    for (std::size_t i = 0; i < 3; ++i)
        if (!v[i].is_null()) mano[i] = Carta(v[i], nome);
    return mano;
}

// A single-precision value as the shortest decimal that reads back to it.
json Numero(float x) {
    char buf[32];
    const auto [p, ec] = std::to_chars(buf, buf + sizeof buf, x);
    return json(std::stod(std::string(buf, p)));
}

template <class T>
json Voce(const std::optional<T>& v) {
    if (!v) return nullptr;
    if constexpr (std::is_same_v<T, float>) return Numero(*v);
    else return *v;
}

template <class T, int N>
json Tabella(const Da1<Casella<T>, N>& t, int quante) {
    json a = json::array();
    for (int k = 1; k <= quante; ++k) a.push_back(Voce(t[k].valore));
    return a;
}

template <int N>
json Tabella(const Da1<std::optional<float>, N>& t) {
    json a = json::array();
    for (int k = 1; k <= N; ++k) a.push_back(Voce(t[k]));
    return a;
}

}  // namespace

RichiestaScelta LeggiRichiestaScelta(const json& j) {
    if (!j.is_object()) Errore("la posizione deve essere un oggetto JSON");
    RichiestaScelta r;
    PosizionePC& p = r.posizione;
    if (const auto it = j.find("level"); it != j.end()) {
        const std::string l = Testo(*it, "level");
        if (l.size() != 1 || l[0] < 'A' || l[0] > 'E') Errore("\"level\" deve essere una lettera da A a E");
        r.livello = l[0];
    }
    if (const auto it = j.find("seed"); it != j.end()) {
        r.seme = Seme(*it);
    }
    const std::string seme = Testo(Chiave(j, "briscola_suit"), "briscola_suit");
    if (seme.size() != 1 || kSemi.find(seme[0]) == std::string_view::npos) Errore("\"briscola_suit\" deve essere d, s, c o b");
    p.semeBriscola = seme[0];
    const long long stock = Intero(Chiave(j, "stock"), "stock", -5, 34);
    p.NumeroCarteRimaste = static_cast<int>(stock);
    const std::string turno = Testo(Chiave(j, "turn"), "turn");
    if (turno != "PC" && turno != "H") Errore("\"turn\" deve essere \"PC\" o \"H\"");
    p.TurnoDiGioco = turno == "PC" ? Chi::PC : Chi::H;
    p.manoPC = Mano(Chiave(j, "hand_pc"), "hand_pc");
    p.manoH = Mano(Chiave(j, "hand_h"), "hand_h");
    if (p.TurnoDiGioco == Chi::H) {
        const long long h = Intero(Chiave(j, "played_h"), "played_h", 4, 6);
        p.NumeroCartaGiocataDaH = static_cast<int>(h);
    } else if (const auto it = j.find("played_h"); it != j.end() && !it->is_null()) {
        Errore("\"played_h\" vale solo quando il computer risponde (turn \"H\")");
    }
    const json& giocate = Chiave(j, "played");
    if (!giocate.is_array()) Errore("\"played\" deve essere un elenco di carte");
    for (const json& c : giocate) p.giocate.push_back(Carta(c, "played"));
    const long long pc = Intero(Chiave(j, "points_pc"), "points_pc", 0, 120);
    const long long h = Intero(Chiave(j, "points_h"), "points_h", 0, 120);
    p.PuntiPC = static_cast<int>(pc);
    p.PuntiH = static_cast<int>(h);
    if (const auto e = ErrorePosizione(p)) Errore(*e);
    return r;
}

nlohmann::ordered_json RispostaScelta(const RichiestaScelta& richiesta) {
    auto [stato, tab] = SituazioneDaPosizione(richiesta.posizione);
    CasoConSeme caso(richiesta.seme, [] { return OraMinSec{}; });
    const EsitoDecisione e = DecidiMossa(stato, tab, caso, richiesta.livello);

    nlohmann::ordered_json out;
    out["choice"] = e.scelta;
    out["candidates"] = e.candidati;
    out["computed"] = e.calcolata;
    out["replaced_at_random"] = e.sostituita;
    nlohmann::ordered_json t = nlohmann::ordered_json::object();
    switch (e.fase) {
        case Fase::IniziaConMazzo:
        case Fase::RispondeConMazzo: {
            const int coppie = e.fase == Fase::IniziaConMazzo ? 9 : 3;
            t["PuntiPotenziali"] = Tabella(tab.PuntiPotenziali);
            t["Potenziale"] = Tabella(tab.Potenziale);
            t["TotaliNormali"] = Tabella(tab.TotaliNormali, coppie);
            t["TotaliPotenziali"] = Tabella(tab.TotaliPotenziali, coppie);
            t["Convenienza"] = Tabella(tab.Convenienza, coppie);
            if (e.fase == Fase::RispondeConMazzo) t["ValAgg"] = Tabella(tab.ValAgg, 3);
            break;
        }
        case Fase::IniziaTerzultima:
        case Fase::RispondeTerzultima: {
            const bool lead = e.fase == Fase::IniziaTerzultima;
            t["PrimoLivello"] = Tabella(tab.PrimoLivello, lead ? 9 : 3);
            t["SecondoLivello"] = Tabella(tab.SecondoLivello, lead ? 36 : 12);
            t["Peggiore"] = Tabella(tab.Peggiore, 3);
            break;
        }
        case Fase::IniziaPenultima:
        case Fase::RispondePenultima:
            // Entries 21..24 hold the slots compared; 1.., 13.. and 25.. the trick values.
            t["SecondoLivello"] = Tabella(tab.SecondoLivello, 28);
            break;
        default:
            break;
    }
    out["tables"] = t;
    return out;
}

}  // namespace mrvelto
