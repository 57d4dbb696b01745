// SPDX-License-Identifier: GPL-3.0-or-later
// `mrvelto-sim analizza FILE.txt [--campioni N] [--seed S] [--jobs J] [--json]`: the review's
// judgement of every card the human played, as text or JSON. The figures do not depend on --jobs.
#include "sim/ComandoAnalizza.h"

#include <charconv>
#include <ostream>
#include <thread>

#include <nlohmann/json.hpp>

#include "screens/ValutazionePartita.h"

namespace mrvelto::sim {

namespace {

template <class T>
bool Numero(const std::string& s, T& x, T minimo, T massimo) {
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
    return ec == std::errc{} && p == s.data() + s.size() && x >= minimo && x <= massimo;
}

nlohmann::ordered_json Json(const std::vector<GiudizioManche>& giudizi, int campioni, std::uint64_t seme) {
    using J = nlohmann::ordered_json;
    J j;
    j["samples"] = campioni;
    j["seed"] = seme;
    J prese = J::array();
    double totale = 0;
    int costose = 0;
    for (const GiudizioManche& g : giudizi) {
        J p;
        p["trick"] = g.manche;
        p["stock"] = g.vista.NumeroCarteRimaste > 0 ? g.vista.NumeroCarteRimaste : 0;
        p["exact"] = g.valutazione.Esatta();
        p["played"] = std::string(g.giocata.Codice());
        p["best"] = std::string(g.migliore.Codice());
        p["cost"] = g.costo;
        p["costly"] = g.Costosa();
        J carte = J::array();
        for (const StimaCarta& s : g.valutazione.carte)
            carte.push_back(J{{"card", std::string(s.carta.Codice())}, {"expected", s.media}, {"ci95", s.margine}});
        p["cards"] = carte;
        p["text"] = TestoGiudizio(g);
        prese.push_back(p);
        totale += g.costo;
        costose += g.Costosa() ? 1 : 0;
    }
    j["tricks"] = prese;
    j["total_cost"] = totale;
    j["costly_moves"] = costose;
    j["threshold"] = kSogliaMossaCostosa;
    return j;
}

}  // namespace

int ComandoAnalizza(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string file;
    int campioni = kCampioniPredefiniti, fili = 1;
    std::uint64_t seme = 1;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto valore = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
        if (a == "--help" || a == "-h") {
            out << "uso: mrvelto-sim analizza FILE.txt [--campioni N] [--seed S] [--jobs J] [--json]\n"
                   "  per ogni carta giocata da H: la carta migliore con ciò che H sapeva, i punti attesi\n"
                   "  di ogni carta (intervallo al 95 %) e il costo della carta giocata\n";
            return 0;
        } else if (a == "--json") {
            json = true;
        } else if (a == "--campioni") {
            const std::string* v = valore();
            if (!v || !Numero(*v, campioni, 1, 10'000'000)) {
                err << "mrvelto-sim analizza: --campioni vuole un numero da 1 a 10000000\n";
                return 2;
            }
        } else if (a == "--seed") {
            const std::string* v = valore();
            if (!v || !Numero(*v, seme, std::uint64_t{0}, UINT64_MAX)) {
                err << "mrvelto-sim analizza: --seed vuole un numero intero non negativo\n";
                return 2;
            }
        } else if (a == "--jobs") {
            const std::string* v = valore();
            if (!v || !Numero(*v, fili, 0, 1024)) {
                err << "mrvelto-sim analizza: --jobs vuole un numero da 0 (tutti i core) a 1024\n";
                return 2;
            }
            if (fili == 0) fili = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
        } else if (!a.empty() && a[0] == '-') {
            err << "mrvelto-sim analizza: opzione sconosciuta: " << a << "\n";
            return 2;
        } else if (file.empty()) {
            file = a;
        } else {
            err << "mrvelto-sim analizza: un solo file alla volta\n";
            return 2;
        }
    }
    if (file.empty()) {
        err << "mrvelto-sim analizza: manca il file del Gioco salvato\n";
        return 2;
    }
    const PartitaLetta letta = LeggiPartitaDaFile(file);
    if (const std::string* e = std::get_if<std::string>(&letta)) {
        err << "mrvelto-sim analizza: " << *e << "\n";
        return 2;
    }
    auto gioco = RicostruisciGioco(std::get<PannelloDati>(letta));
    if (const std::string* e = std::get_if<std::string>(&gioco)) {
        err << "mrvelto-sim analizza: il Gioco non si può analizzare: " << *e << "\n";
        return 2;
    }
    const auto giudizi = GiudicaPartita(std::get<GiocoRicostruito>(gioco), campioni, seme, fili);
    if (json) {
        out << Json(giudizi, campioni, seme).dump(2) << "\n";
        return 0;
    }
    for (const GiudizioManche& g : giudizi) {
        out << "Mano " << g.manche << ": giocata " << g.giocata.Codice() << " —";
        for (const StimaCarta& s : g.valutazione.carte) {
            out << " " << s.carta.Codice() << " " << Decimale(s.media);
            if (!g.valutazione.Esatta()) out << " ±" << Decimale(s.margine);
        }
        out << (g.valutazione.Esatta() ? " (esatto)" : "") << ". " << TestoGiudizio(g) << (g.Costosa() ? " [costosa]" : "") << "\n";
    }
    out << TestoRiepilogo(giudizi) << "\n";
    return 0;
}

}  // namespace mrvelto::sim
