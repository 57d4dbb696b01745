// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A media player as the game drives it: a file name and four commands. "Open" loads the file,
// "Prev" rewinds it, "Play" starts it, "Close" stops it and lets the file go. The sound engine
// implements it; the game only ever talks to players through it.
#include <string>

namespace mrvelto {

class Lettore {
public:
    virtual ~Lettore() = default;
    virtual void ImpostaFile(const std::string& percorso) = 0;
    virtual void Comando(const std::string& comando) = 0;
};

// A player with no engine behind it: the game's timers run the same.
class LettoreMuto : public Lettore {
public:
    void ImpostaFile(const std::string&) override {}
    void Comando(const std::string&) override {}
};

// Stops whatever plays: an empty file name, then "Close".
inline void FermaLettore(Lettore& l) {
    l.ImpostaFile("");
    l.Comando("Close");
}

// Stops the player, then plays `percorso` from its start: "Open", "Prev", "Play".
inline void SuonaDaCapo(Lettore& l, const std::string& percorso) {
    FermaLettore(l);
    l.ImpostaFile(percorso);
    l.Comando("Open");
    l.Comando("Prev");
    l.Comando("Play");
}

// The players of the game: effects and comments share one, music, anthems and the theme tune
// have one each.
struct LettoriAudio {
    Lettore& effetti;
    Lettore& musica;
    Lettore& inno;
    Lettore& sigla;
};

}  // namespace mrvelto
