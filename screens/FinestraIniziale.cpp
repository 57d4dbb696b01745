// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/FinestraIniziale.h"

#include <algorithm>

#include "records/NomeGiocatore.h"

namespace mrvelto {

namespace {

constexpr std::array<const char*, 9> kSimboli = {"",           "BasNap.gif", "BasPia.gif", "SpaNap.gif", "SpaPia.gif",
                                                 "DenNap.gif", "DenPia.gif", "CopNap.gif", "CopPia.gif"};

// Men's names that end in "a", and women's names that do not: compared with the whole name.
constexpr std::array<std::string_view, 15> kNomiMaschili = {
    "andrea", "luca",     "gianluca", "gian luca",  "nicola", "elia",  "zaccaria", "geremia",
    "isaia",  "malachia", "enea",     "piermaria", "pier maria", "caifa", "leonida"};
constexpr std::array<std::string_view, 2> kNomiFemminili = {"nemesis", "ada lovelace"};

std::string Minuscolo(std::string_view s) {
    std::string n(s);
    std::transform(n.begin(), n.end(), n.begin(), [](unsigned char c) { return c < 0x80 ? static_cast<char>(std::tolower(c)) : static_cast<char>(c); });
    return n;
}

}  // namespace

std::string FileSimbolo(int simbolo) {
    if (simbolo < 1 || simbolo > 8) return {};
    return "C:\\Programmi\\MrVelto\\Grafica\\" + std::string(kSimboli[static_cast<std::size_t>(simbolo)]);
}

int LarghezzaSimbolo(int simbolo) { return simbolo >= 5 ? 1680 : 2325; }

std::size_t CaratteriUtf8(std::string_view testo) {
    return static_cast<std::size_t>(std::count_if(testo.begin(), testo.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

char SessoDalNome(std::string_view nome) {
    const std::string n = Minuscolo(nome);
    char sesso = 'M';
    if (!n.empty() && n.back() == 'a') sesso = 'F';
    if (std::find(kNomiMaschili.begin(), kNomiMaschili.end(), n) != kNomiMaschili.end())
        sesso = 'M';
    else if (std::find(kNomiFemminili.begin(), kNomiFemminili.end(), n) != kNomiFemminili.end())
        sesso = 'F';
    return sesso;
}

FinestraIniziale::FinestraIniziale(OrologioVirtuale& orologio, FonteCasuale& caso, Lettore& sigla, const Radici& radici)
    : orologio_(orologio), caso_(caso), sigla_(sigla), radici_(radici) {
    timerInserisci_ = orologio_.AggiungiTimer("TimerInserisci", [this] { TimerInserisci_Timer(); }, 450);
    timerSigla_ = orologio_.AggiungiTimer("TimerSigla", [this] { TimerSigla_Timer(); }, 40700);
    orologio_.Abilita(timerInserisci_, true);
    for (int p = 1; p <= 4; ++p) simboli_[static_cast<std::size_t>(p)].larghezza = LarghezzaSimbolo(1);
}

FinestraIniziale::~FinestraIniziale() {
    orologio_.RilasciaTimer(timerInserisci_);
    orologio_.RilasciaTimer(timerSigla_);
}

void FinestraIniziale::Apri() {
    // The random source is seeded by whoever made it (the clock in production, a seed in tests).
    aperta_ = true;
    txtNome_ = LeggiNomeGiocatore(MappaPercorso(kFileNomeGiocatore, radici_), avvisi_);
    SuonaDaCapo(sigla_, MappaPercorso(kFileSigla, radici_).string());
    orologio_.Abilita(timerSigla_, true);
}

void FinestraIniziale::TimerSigla_Timer() {
    // The tune lasts about 80 s: it starts again every second tick.
    if (++Sigla_ < 2) return;
    Sigla_ = 0;
    sigla_.Comando("Close");
    sigla_.Comando("Open");
    sigla_.Comando("Prev");
    sigla_.Comando("Play");
}

void FinestraIniziale::TimerInserisci_Timer() {
    ++ContatoreInserisci_;
    if (ContatoreInserisci_ == 1) {
        inserisciVisibile_ = scritta2Visibile_ = true;
    } else if (ContatoreInserisci_ == 4) {
        inserisciVisibile_ = scritta2Visibile_ = false;
        ContatoreInserisci_ = 0;
    }
    // The place: r is drawn on every tick, even while the opening sequence decides.
    for (;;) {
        const int r = IndiceCasuale(4, caso_);
        if (ImmaginiIniziali_ < 5) {
            static constexpr std::array<int, 5> kOrdine = {0, 1, 3, 2, 4};
            NumeroImage_ = kOrdine[static_cast<std::size_t>(ImmaginiIniziali_)];
            ScegliSimbolo();
            ++ImmaginiIniziali_;
            return;
        }
        if (r == NumeroImage_) continue;
        NumeroImage_ = r;
        ScegliSimbolo();
        return;
    }
}

void FinestraIniziale::ScegliSimbolo() {
    const std::size_t p = static_cast<std::size_t>(NumeroImage_);
    simboli_[p].visibile = false;
    int s;
    do s = IndiceCasuale(8, caso_);
    while (s == NumeroImmagine_[p]);
    NumeroImmagine_[p] = s;
    simboli_[p] = {true, s, LarghezzaSimbolo(s)};
}

void FinestraIniziale::cmdOK_Click() {
    if (!aperta_) return;
    const std::size_t lunghezza = CaratteriUtf8(txtNome_);
    if (lunghezza >= 3) {
        NomeConcorrente_ = txtNome_;
        SalvaNomeGiocatore();
        Chiudi();
        if (EntraNelGioco) EntraNelGioco(NomeConcorrente_, Sesso_);
        return;
    }
    coloreInserisci_ = colore::Nero;
    lblInserisci_ = std::string(txtNome_.empty() || txtNome_ == " " ? kNienteAnonimi : kNienteSigle);
}

void FinestraIniziale::SalvaNomeGiocatore() {
    // Stored as the files will hold it (trimmed, made safe), so that the ranking finds it again.
    NomeConcorrente_ = mrvelto::SalvaNomeGiocatore(MappaPercorso(kFileNomeGiocatore, radici_), NomeConcorrente_, avvisi_);
    Sesso_ = SessoDalNome(NomeConcorrente_);
}

void FinestraIniziale::Chiudi() {
    aperta_ = false;
    orologio_.Abilita(timerInserisci_, false);
    orologio_.Abilita(timerSigla_, false);
    FermaLettore(sigla_);
}

}  // namespace mrvelto
