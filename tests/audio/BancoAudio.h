// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table with its sounds on a virtual clock: players that write down what they are told, and
// clip lengths given as text.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "audio/ImpiantoAudio.h"
#include "game/Conduttore.h"
#include "game/OraVirtuale.h"
#include "game/Tavolo.h"
#include "../game/BancoDiProva.h"

namespace mrvelto::test {

struct Ordine {
    Millisecondi quando;
    std::string file;     // the file set last (path under the media folder)
    std::string comando;  // "Open", "Prev", "Play", "Close", or "" for a file change
};

class LettoreRegistrato : public Lettore {
public:
    explicit LettoreRegistrato(const OrologioVirtuale& orologio) : orologio_(orologio) {}
    void ImpostaFile(const std::string& percorso) override {
        file_ = percorso.rfind("media/", 0) == 0 ? percorso.substr(6) : percorso;
        ordini.push_back({orologio_.Adesso(), file_, ""});
    }
    void Comando(const std::string& comando) override { ordini.push_back({orologio_.Adesso(), file_, comando}); }
    // The files started with "Play", in order.
    std::vector<Ordine> Suonati() const {
        std::vector<Ordine> s;
        for (const Ordine& o : ordini)
            if (o.comando == "Play") s.push_back(o);
        return s;
    }
    // The last file started with "Play" whose path begins with `prefisso`, or none.
    const Ordine* UltimoSuonato(std::string_view prefisso) const {
        for (auto o = ordini.rbegin(); o != ordini.rend(); ++o)
            if (o->comando == "Play" && o->file.starts_with(prefisso)) return &*o;
        return nullptr;
    }
    std::vector<Ordine> ordini;

private:
    const OrologioVirtuale& orologio_;
    std::string file_;
};

struct BancoAudio {
    explicit BancoAudio(std::uint64_t seme = 1, Opzioni opzioni = Opzioni{})
        : banco(seme, std::move(opzioni)),
          effetti(banco.orologio),
          musica(banco.orologio),
          inno(banco.orologio),
          sigla(banco.orologio),
          audio(banco.tavolo, banco.orologio, banco.caso, LettoriAudio{effetti, musica, inno, sigla}, "media") {}
    Banco banco;
    LettoreRegistrato effetti, musica, inno, sigla;
    ImpiantoAudio audio;
    const StatoGioco& s() { return banco.tavolo.Stato(); }
};

}  // namespace mrvelto::test
