// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/RispostaEsterna.h"

#include <nlohmann/json.hpp>

#include "sim/Osservazione.h"

namespace mrvelto::sim {

namespace {

std::string Mano(const StatoGioco& s, Chi posto) {
    std::string r;
    for (int k : SlotDellaMano(posto))
        if (!s.Carta[k].Vuota()) r += (r.empty() ? "" : ", ") + std::string(s.Carta[k].Codice());
    return r;
}

RispostaEsterna Illegale(const std::string& motivo) { return {0, "risposta non ammessa: " + motivo}; }
RispostaEsterna Malformata(const std::string& motivo) { return {0, "risposta malformata: " + motivo}; }

RispostaEsterna PerSlot(const nlohmann::json& v, const StatoGioco& s, Chi posto, const std::function<bool(int)>& ammessa) {
    const auto slot = SlotDellaMano(posto);
    if (!v.is_number_integer() || v.get<long long>() < slot[0] || v.get<long long>() > slot[2])
        return Illegale("lo slot " + SuUnaRiga(v.dump(), 40) + " non è uno slot della mano (" + std::to_string(slot[0]) + ".." +
                       std::to_string(slot[2]) + ")");
    const int k = v.get<int>();
    if (s.Carta[k].Vuota()) return Illegale("lo slot " + std::to_string(k) + " è vuoto (mano: " + Mano(s, posto) + ")");
    if (!ammessa(k)) return Illegale("lo slot " + std::to_string(k) + " non si può giocare ora");
    return {k, ""};
}

RispostaEsterna PerCarta(const std::string& codice, const StatoGioco& s, Chi posto, const std::function<bool(int)>& ammessa) {
    if (!CodiceValido(codice)) return Illegale("\"" + SuUnaRiga(codice, 40) + "\" non è il codice di una carta (valore 2 4 5 6 7 F C R 3 A, seme d s c b)");
    for (int k : SlotDellaMano(posto))
        if (s.Carta[k] == CartaDaGioco::DaCodice(codice)) {
            if (!ammessa(k)) return Illegale(codice + " non si può giocare ora");
            return {k, ""};
        }
    return Illegale(codice + " non è nella mano (" + Mano(s, posto) + ")");
}

}  // namespace

RispostaEsterna LeggiRispostaEsterna(std::string_view riga, const StatoGioco& s, Chi posto, const std::function<bool(int)>& ammessa) {
    const nlohmann::json j = nlohmann::json::parse(riga, nullptr, false);
    if (j.is_discarded()) return Malformata("non è JSON");
    if (j.is_string()) return PerCarta(j.get<std::string>(), s, posto, ammessa);
    if (j.is_number()) return PerSlot(j, s, posto, ammessa);
    if (!j.is_object()) return Malformata("né un oggetto né una carta né uno slot");
    if (j.contains("card")) {
        const auto& c = j["card"];
        if (c.is_string()) return PerCarta(c.get<std::string>(), s, posto, ammessa);
        if (c.is_number()) return PerSlot(c, s, posto, ammessa);
        return Malformata("\"card\" non è né il codice di una carta né il numero di uno slot");
    }
    if (j.contains("slot")) return PerSlot(j["slot"], s, posto, ammessa);
    return Malformata("manca \"card\" (o \"slot\")");
}

std::string SuUnaRiga(std::string_view testo, std::size_t massimo) {
    std::string r;
    for (unsigned char ch : testo) {
        if (r.size() >= massimo) {
            r += "...";
            break;
        }
        if (ch == '\n') r += "\\n";
        else if (ch == '\r') r += "\\r";
        else if (ch == '\t') r += "\\t";
        else if (ch < 0x20 || ch == 0x7F) {
            static const char* hex = "0123456789abcdef";
            r += "\\x";
            r += hex[ch >> 4];
            r += hex[ch & 15];
        } else r += static_cast<char>(ch);
    }
    return r;
}

}  // namespace mrvelto::sim
