// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Analisi.h"

#include <algorithm>
#include <cctype>

#include "audio/SuoniECommenti.h"

namespace mrvelto {

namespace {

std::string Codice(CartaDaGioco c) { return std::string(c.Codice()); }

void Togli(std::array<CartaDaGioco, 3>& mano, CartaDaGioco c) {
    if (auto it = std::find(mano.begin(), mano.end(), c); it != mano.end()) *it = CartaDaGioco{};
}
void Metti(std::array<CartaDaGioco, 3>& mano, CartaDaGioco c) {
    if (c.Vuota()) return;
    if (auto it = std::find(mano.begin(), mano.end(), CartaDaGioco{}); it != mano.end()) *it = c;
}

// The game's cards in order: the same game keeps its judgements across "Da capo".
std::string Impronta(const GiocoRicostruito& g) {
    std::string s;
    for (CartaDaGioco c : g.manoPC) s += Codice(c);
    for (CartaDaGioco c : g.manoH) s += Codice(c);
    s += Codice(g.briscola);
    for (const MancheRicostruita& m : g.manche) s += Codice(m.cartaPC) + Codice(m.cartaH) + Codice(m.pescaPC) + Codice(m.pescaH);
    return s;
}

}  // namespace

Analisi::Analisi(Tavolo& tavolo, Lettore& effetti, std::filesystem::path media)
    : tavolo_(tavolo), effetti_(effetti), media_(std::move(media)) {}

Analisi::~Analisi() { FermaGiudizi(); }

void Analisi::Termina() {
    FermaGiudizi();
    gioco_.reset();
    giudicato_.clear();
}

void Analisi::FermaGiudizi() {
    if (lavoro_) lavoro_->ferma = true;
    if (filo_.joinable()) filo_.join();
    lavoro_.reset();
    segnate_.clear();
}

void Analisi::AvviaGiudizi() {
    const std::string impronta = Impronta(*gioco_);
    if (lavoro_ && impronta == giudicato_) return;
    FermaGiudizi();
    giudicato_ = impronta;
    lavoro_ = std::make_shared<Lavoro>();
    lavoro_->giudizi.resize(gioco_->manche.size());
    segnate_.assign(gioco_->manche.size(), false);
    filo_ = std::thread([lavoro = lavoro_, gioco = *gioco_, campioni = campioni, avviso = NuovoGiudizio] {
        const std::vector<VistaGiocatore> viste = VisteDiH(gioco);
        for (std::size_t t = 0; t < viste.size() && !lavoro->ferma; ++t) {
            GiudizioManche g = GiudicaManche(gioco, viste[t], static_cast<int>(t) + 1, campioni, 1);
            {
                std::lock_guard<std::mutex> chiave(lavoro->m);
                lavoro->giudizi[t] = std::move(g);
            }
            if (avviso) avviso();
        }
    });
}

std::vector<std::optional<GiudizioManche>> Analisi::Giudizi() const {
    if (!lavoro_) return {};
    std::lock_guard<std::mutex> chiave(lavoro_->m);
    return lavoro_->giudizi;
}

bool Analisi::AggiornaGiudizi() {
    const auto giudizi = Giudizi();
    bool tutti = !giudizi.empty();
    for (std::size_t t = 0; t < giudizi.size(); ++t) {
        if (!giudizi[t]) {
            tutti = false;
            continue;
        }
        if (t < segnate_.size() && !segnate_[t] && giudizi[t]->Costosa()) {
            segnate_[t] = true;
            tavolo_.ColoraTestoDati(CellaDellaManche(static_cast<int>(t) + 1, ColonnaDati::CartaH), colore::Rosso);
        }
    }
    return tutti;
}

std::string Analisi::Testo() const {
    if (!gioco_ || !lavoro_) return vista_.descrizione;
    const auto giudizi = Giudizi();
    if (vista_.finita) {
        std::vector<GiudizioManche> pronti;
        for (const auto& g : giudizi)
            if (g) pronti.push_back(*g);
        if (pronti.size() < giudizi.size())
            return vista_.descrizione + "\nValutazione in corso (" + std::to_string(pronti.size()) + " di " +
                   std::to_string(giudizi.size()) + ")...";
        return vista_.descrizione + "\n" + TestoRiepilogo(pronti);
    }
    if (vista_.Manche < 1 || vista_.Manche > static_cast<int>(giudizi.size())) return vista_.descrizione;
    const auto& g = giudizi[static_cast<std::size_t>(vista_.Manche - 1)];
    // Short: the box beside the table holds the trick's words at a readable size.
    if (!g) return vista_.descrizione + "\nValutazione in corso...";
    std::string giudizio = TestoGiudizio(*g);
    if (!giudizio.empty()) giudizio[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(giudizio[0])));
    return vista_.descrizione + "\n" + giudizio + ".";
}

std::optional<std::string> Analisi::Inizia() {
    auto letto = RicostruisciGioco(tavolo_.Dati());
    if (const std::string* errore = std::get_if<std::string>(&letto)) return "Il Gioco non si può rivedere: " + *errore;
    gioco_ = std::get<GiocoRicostruito>(std::move(letto));
    vista_ = VistaAnalisi{};
    vista_.manoPC = gioco_->manoPC;
    vista_.manoH = gioco_->manoH;
    vista_.briscola = gioco_->briscola;
    const std::string& nomeH = tavolo_.Dati()[1].testo;
    vista_.descrizione = "Le carte distribuite. Inizia " + std::string(gioco_->iniziatoDa == Chi::H ? nomeH : "Mr. VELTO") + ".";
    tavolo_.ImpostaCellaDati(10, "", colore::Bianco);
    tavolo_.ImpostaCellaDati(14, "", colore::Bianco);
    AvviaGiudizi();
    return std::nullopt;
}

void Analisi::cmdInizioAnalisi_Click() {
    const opz::AudioAnalisi audio = tavolo_.Opz().AudioAnalisi;
    rumori_ = tavolo_.Opz().RumoriAttivi() && (audio == opz::AudioAnalisi::ComeNelGioco || audio == opz::AudioAnalisi::InterrompiMusica);
}

void Analisi::cmdScegliManche_Click() {
    if (!gioco_ || vista_.finita) return;
    AggiornaGiudizi();
    const std::string nomeH = tavolo_.Dati()[1].testo;
    auto nome = [&](Chi c) { return c == Chi::H ? nomeH : std::string("Mr. VELTO"); };
    // The cards drawn after the trick on the table go into the hands first.
    if (vista_.Manche > 0) {
        const MancheRicostruita& prima = gioco_->manche[static_cast<std::size_t>(vista_.Manche - 1)];
        Metti(vista_.manoPC, prima.pescaPC);
        Metti(vista_.manoH, prima.pescaH);
        if (!prima.pescaPC.Vuota()) {
            vista_.carteNelMazzo = std::max(0, vista_.carteNelMazzo - 2);
            if (prima.pescaPC == gioco_->briscola || prima.pescaH == gioco_->briscola) {
                vista_.briscolaInTavola = false;
                vista_.carteNelMazzo = 0;
            }
        }
    }
    vista_.inTavolaPC = vista_.inTavolaH = CartaDaGioco{};
    vista_.presaDi = Chi::Nessuno;
    if (vista_.Manche >= static_cast<int>(gioco_->manche.size())) {
        vista_.finita = true;
        const char* esito = vista_.PuntiH > vista_.PuntiPC ? "Vince " : vista_.PuntiPC > vista_.PuntiH ? "Vince " : "";
        const Chi vincitore = vista_.PuntiH > vista_.PuntiPC ? Chi::H : Chi::PC;
        vista_.descrizione = "Punteggio finale: Mr. VELTO " + std::to_string(vista_.PuntiPC) + ", " + nomeH + " " +
                             std::to_string(vista_.PuntiH) + ". " +
                             (*esito ? esito + nome(vincitore) + "." : std::string("Pareggio."));
        tavolo_.ImpostaCellaDati(14, std::string(kFineAnalisi), colore::Bianco);
        return;
    }
    const MancheRicostruita& m = gioco_->manche[static_cast<std::size_t>(vista_.Manche)];
    ++vista_.Manche;
    Togli(vista_.manoPC, m.cartaPC);
    Togli(vista_.manoH, m.cartaH);
    vista_.inTavolaPC = m.cartaPC;
    vista_.inTavolaH = m.cartaH;
    vista_.presaDi = m.vincitore;
    vista_.PuntiPC = m.puntiPC;
    vista_.PuntiH = m.puntiH;
    const Chi secondo = m.primo == Chi::H ? Chi::PC : Chi::H;
    const CartaDaGioco cartaPrimo = m.primo == Chi::H ? m.cartaH : m.cartaPC;
    const CartaDaGioco cartaSecondo = m.primo == Chi::H ? m.cartaPC : m.cartaH;
    const int punti = m.cartaPC.Punti() + m.cartaH.Punti();
    std::string d = "Mano " + std::to_string(vista_.Manche) + ": " + nome(m.primo) + " gioca " + Codice(cartaPrimo) + ", " +
                    nome(secondo) + " risponde " + Codice(cartaSecondo) + ". Prende " + nome(m.vincitore) +
                    (punti == 1 ? " (1 punto)." : " (" + std::to_string(punti) + " punti).");
    if (!m.pescaPC.Vuota()) {
        const bool pcPrimo = m.vincitore == Chi::PC;
        d += " Pescano " + nome(m.vincitore) + " " + Codice(pcPrimo ? m.pescaPC : m.pescaH) + " e " +
             nome(pcPrimo ? Chi::H : Chi::PC) + " " + Codice(pcPrimo ? m.pescaH : m.pescaPC) + ".";
    }
    vista_.descrizione = d;
    if (rumori_) {
        const CartaDaGioco presa = m.vincitore == Chi::H ? m.cartaH : m.cartaPC;
        Suona(RumoreDelValore(presa.Valore()));
    }
}

void Analisi::Suona(const char* clip) {
    if (!clip) return;
    SuonaDaCapo(effetti_, (media_ / clip).string());
}

}  // namespace mrvelto
