// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PittorePannelli.h"

#include <QPainter>
#include <QStringList>

#include "game/Procedure.h"
#include "game/Tavolo.h"
#include "screens/CornicePrincipale.h"
#include "screens/Programma.h"
#include "ui/GeometriaTavolo.h"
#include "ui/PannelloOpzioniQt.h"
#include "ui/RegistroDisegno.h"
#include "ui/TestoAdattato.h"

namespace mrvelto {

namespace {

QColor Qc(Colore c) { return QColor(rosso(c), verde(c), blu(c)); }
QString Qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr int kAltezzaRigaAlbo = 220;

void Carattere(QPainter& p, int pixel, bool grassetto = false) {
    QFont f = p.font();
    f.setPixelSize(pixel);
    f.setBold(grassetto);
    f.setItalic(false);
    p.setFont(f);
}

// A panel's body: the table's colour inside a darker border that sets it off the cloth.
void Riquadro(QPainter& p, const QRect& r, const ColoriPannelli& colori) {
    p.setPen(QPen(colori.pannello.darker(170), 30));
    p.setBrush(colori.pannello);
    p.drawRoundedRect(r, 90, 90);
}

void Testo(QPainter& p, const QRect& r, const QString& s, const QColor& c, int allinea = Qt::AlignLeft | Qt::AlignVCenter) {
    p.setPen(c);
    p.drawText(r, allinea, s);
}

// The match panel: games won so far and the deck with the cards already played marked.
void PannelloPartita(QPainter& p, const QRect& r, const Tavolo& t, const ColoriPannelli& colori) {
    const StatoGioco& s = t.Stato();
    Carattere(p, 230, true);
    Testo(p, {r.left() + 150, r.top() + 100, r.width() - 300, 380}, QStringLiteral("PARTITA"), colori.testo, Qt::AlignCenter);
    Carattere(p, 190);
    Testo(p, {r.left() + 150, r.top() + 550, r.width() - 300, 330},
          QStringLiteral("Gioco n. %1").arg(s.NumeroGioco), colori.testo);
    // Each name with its games won; a long name is cut before the number, never the number.
    for (int i = 0; i < 2; ++i) {
        const QRect riga(r.left() + 150, r.top() + 900 + i * 350, r.width() - 300, 330);
        p.setPen(colori.testo);
        TestoAdattato(p, riga.adjusted(0, 0, -450, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      Qs(i == 0 ? t.Vista().NomePC.testo : t.Vista().NomeH.testo) + QLatin1Char(':'), kCarattereMinimo, true);
        Testo(p, riga.adjusted(riga.width() - 420, 0, 0, 0), QString::number(i == 0 ? s.PartitePC : s.PartiteH), colori.testo,
              Qt::AlignRight | Qt::AlignVCenter);
    }
    Carattere(p, 190, true);
    Testo(p, {r.left() + 150, r.top() + 1750, r.width() - 300, 330}, QStringLiteral("Carte giocate"), colori.testo);
    // One row per suit under its name, ranks from the two to the ace; a played card is struck
    // off. The cells are 15 pixels wide at the smallest scale: they hold the rank alone.
    static const char* const kSemi[4] = {"Denari", "Spade", "Coppe", "Bastoni"};
    const int cella = (r.width() - 300) / 10;
    for (int riga = 0; riga < 4; ++riga) {
        Carattere(p, kCarattereMinimo);
        Testo(p, {r.left() + 150, r.top() + 2120 + riga * 640, r.width() - 300, 220}, QString::fromLatin1(kSemi[riga]), colori.testo);
    }
    Carattere(p, kCarattereMinimo, true);
    for (int i = 1; i <= 40; ++i) {
        const std::string_view rango = CartaDaGioco::DaPosizione(i).Codice().substr(0, 1);
        const int riga = (i - 1) / 10, colonna = (i - 1) % 10;
        const QRect c(r.left() + 150 + colonna * cella, r.top() + 2350 + riga * 640, cella - 20, 360);
        const bool giocata = CartaGiocataNelGioco(s, i);
        p.setPen(Qt::NoPen);
        p.setBrush(giocata ? colori.pannello.darker(130) : QColor(250, 250, 245));
        p.drawRect(c);
        Testo(p, c, Qs(rango), giocata ? colori.pannello.lighter(140) : QColor(20, 20, 20), Qt::AlignCenter);
    }
}

// The data panel's rows: the name, the deal, then the tricks, each a number and six cells.
constexpr int kAltoCella = 195;
constexpr int kPassoManche = 205;
constexpr int kTopScritte = 840;
constexpr int kTopNome = kTopScritte + 2 * 210 + 20;
constexpr int kLarghezzaNumero = 250;
int LarghezzaCella(const QRect& r) { return (r.width() - 240) / 7; }
int LarghezzaColonna(const QRect& r) { return (r.width() - 240 - kLarghezzaNumero) / 6; }
// Column 0 is the trick's number, 1..6 its cells.
int SinistraColonna(const QRect& r, int j) { return r.left() + 120 + (j == 0 ? 0 : kLarghezzaNumero + (j - 1) * LarghezzaColonna(r)); }
int TopManche(const QRect& r, int manche) { return r.top() + kTopNome + 2 * (kAltoCella + 20) + (manche - 1) * kPassoManche; }

// The data panel: the two heading lines, the column headings, the deal, then one row per trick.
void PannelloDatiGrafico(QPainter& p, const QRect& r, const Tavolo& t, const ScritteRecord& scritte, const ColoriPannelli& colori,
                         bool spiegazione) {
    const PannelloDati& d = t.Dati();
    Carattere(p, 210, true);
    Testo(p, {r.left() + 120, r.top() + 50, r.width() - 240, 300}, Qs(d.Titolo), colori.testo, Qt::AlignCenter);
    Carattere(p, kCarattereMinimo);
    Testo(p, {r.left() + 120, r.top() + 360, r.width() - 240, 230}, Qs(d.Intestazione1), colori.testo, Qt::AlignCenter);
    Testo(p, {r.left() + 120, r.top() + 590, r.width() - 240, 230}, Qs(d.Intestazione2), colori.testo, Qt::AlignCenter);
    auto cella = [&](int i, const QRect& c) {
        const CellaDati& x = d[i];
        if (!x.visibile || x.testo.empty()) return;
        p.setPen(Qt::NoPen);
        p.setBrush(Qc(x.sfondo));
        p.drawRect(c);
        p.setPen(Qc(x.coloreTesto));
        TestoAdattato(p, c, Qt::AlignCenter, Qs(x.testo), kCarattereMinimo, true);
    };
    const int w = LarghezzaColonna(r);
    // The headings: what a pair of columns holds, then whose each column is ("MV" Mr. VELTO,
    // "Tu" the player). Those over the draws show when the start-up left them, or once the cells
    // under them are shown (the end of a game, a review).
    bool pescateVisibili = false;
    for (int m = 1; m <= kManchePannello; ++m) pescateVisibili = pescateVisibili || d(m, ColonnaDati::PescaPC).visibile;
    for (int i = 0; i < kScritteRecord; ++i) {
        const ScrittaColonna& s = scritte[static_cast<std::size_t>(i)];
        if (s.testo.empty() || !(s.visibile || (s.prima == 5 && pescateVisibili))) continue;
        const int top = r.top() + kTopScritte + s.riga * 210;
        const int sinistra = SinistraColonna(r, s.prima);
        const int destra = SinistraColonna(r, s.ultima) + (s.ultima == 0 ? kLarghezzaNumero : w) - 20;
        Carattere(p, kCarattereMinimo, s.riga == 0);
        const QStringList parti = Qs(s.testo).split(QLatin1Char(' '));
        if (s.riga == 1 && parti.size() == 2 && s.ultima == s.prima + 1) {
            for (int k = 0; k < 2; ++k) Testo(p, {sinistra + k * w, top, w - 20, 210}, parti[k], colori.testo, Qt::AlignCenter);
        } else {
            Testo(p, {sinistra, top, destra - sinistra, 210}, Qs(s.testo), colori.testo, Qt::AlignCenter);
        }
    }
    Carattere(p, kCarattereMinimo, true);
    const int alto = kAltoCella;
    // Cell 1 the name, cells 2..8 the deal (the briscola last).
    cella(1, {r.left() + 120, r.top() + kTopNome, r.width() - 240, alto});
    const int wd = LarghezzaCella(r);
    for (int i = 2; i <= 8; ++i) cella(i, {r.left() + 120 + (i - 2) * wd, r.top() + kTopNome + alto + 20, wd - 20, alto});
    // Trick rows: PC card, H card, PC points, H points, PC draw, H draw.
    for (int manche = 1; manche <= kManchePannello; ++manche) {
        const int top = TopManche(r, manche);
        Carattere(p, kCarattereMinimo);
        Testo(p, {SinistraColonna(r, 0), top, kLarghezzaNumero - 20, alto}, QString::number(manche), colori.testo, Qt::AlignCenter);
        Carattere(p, kCarattereMinimo, true);
        for (int j = 0; j < 6; ++j)
            cella(CellaDellaManche(manche, static_cast<ColonnaDati>(j)), {SinistraColonna(r, j + 1), top, w - 20, alto});
    }
    if (d[14].visibile && !d[14].testo.empty()) {
        Carattere(p, kCarattereMinimo, true);
        cella(14, RettangoloFineAnalisi(r, d));
    }
    if (spiegazione) {
        // Under the row that "Fine Analisi" may take after a whole game.
        const int top = TopManche(r, kManchePannello + 2);
        QFont f = p.font();
        f.setPixelSize(kCarattereMinimo);
        f.setBold(false);
        f.setItalic(true);
        p.setFont(f);
        p.setPen(colori.testo);
        TestoAdattato(p, {r.left() + 120, top, r.width() - 240, r.bottom() - 40 - top}, Qt::AlignHCenter | Qt::AlignTop,
                      Qs(kSpiegaPannelloDati));
    }
}

void PannelloAlbo(QPainter& p, const QRect& r, const CornicePrincipale& c, const ColoriPannelli& colori, const ScorrimentoLista& scorrimento) {
    const PannelloRecord albo = c.PannelloAlbo();
    Carattere(p, 220, true);
    Testo(p, {r.left() + 150, r.top() + 80, r.width() - 300, 360}, Qs(kTitoloClassifica), colori.testo, Qt::AlignCenter);
    const int colonne[5] = {150, 550, 3300, 3800, 4300};
    const int larghezze[5] = {380, 2700, 480, 480, 1700};
    Carattere(p, 170, true);
    for (int j = 0; j < 5; ++j)
        Testo(p, {r.left() + colonne[j], r.top() + 480, larghezze[j], 300}, Qs(kIntestazioniClassifica[static_cast<std::size_t>(j)]), colori.testo);
    Carattere(p, 170);
    p.setPen(colori.testo);
    for (int i = 1; i <= kRigheClassifica; ++i) {
        const RigaPannelloClassifica& riga = albo.righe[i];
        const int top = r.top() + 800 + (i - 1) * 255;
        if (riga.posizioneVisibile) Testo(p, {r.left() + colonne[0], top, larghezze[0], 255}, Qs(riga.posizione), colori.testo);
        // A long name is cut at its column; its tooltip has it whole.
        TestoAdattato(p, {r.left() + colonne[1], top, larghezze[1] - 100, 255}, Qt::AlignLeft | Qt::AlignVCenter, Qs(riga.nome), 170, true);
        if (riga.vinteVisibile) Testo(p, {r.left() + colonne[2], top, larghezze[2], 255}, Qs(riga.vinte), colori.testo);
        if (riga.perseVisibile) Testo(p, {r.left() + colonne[3], top, larghezze[3], 255}, Qs(riga.perse), colori.testo);
        Testo(p, {r.left() + colonne[4], top, larghezze[4], 255}, Qs(riga.data), colori.testo);
    }
    Carattere(p, 190, true);
    Testo(p, {r.left() + 150, r.top() + 3380, r.width() - 300, 260}, Qs(kTitoloLivelli), colori.testo);
    // The results by level in two columns.
    Carattere(p, kCarattereMinimo);
    for (int l = 1; l <= kLivelli; ++l) {
        const RisultatoLivello& x = albo.livelli[l];
        Testo(p, {r.left() + 150 + ((l - 1) % 2) * 2925, r.top() + 3650 + ((l - 1) / 2) * 215, 2850, 215},
              QStringLiteral("%1: %2 V, %3 P").arg(Qs(x.nome)).arg(x.vittorie).arg(x.sconfitte), colori.testo);
    }
    Carattere(p, 190, true);
    Testo(p, {r.left() + 150, r.top() + geometria::kTopListaAlbo - 280, r.width() - 300, 260}, Qs(kTitoloAlbo), colori.testo);
    // The log box shows the entries it is scrolled to (the latest until the wheel moves it); the
    // closing empty entry is the list's last line. A bar on the right shows where the view is.
    const QRect lista = geometria::ListaAlbo().translated(r.left() - 2925, r.top() - 30);
    p.setPen(QPen(colori.pannello.darker(160), 15));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(lista);
    Carattere(p, kCarattereMinimo);
    const int righe = RigheListaAlbo();
    const int totale = static_cast<int>(albo.LstAlbo.size());
    const int da = scorrimento.Prima(totale, righe);
    p.setPen(QColor(20, 20, 20));
    for (int i = da; i < std::min(totale, da + righe); ++i)
        TestoAdattato(p, {lista.left() + 60, lista.top() + 10 + (i - da) * kAltezzaRigaAlbo, lista.width() - 240, kAltezzaRigaAlbo},
                      Qt::AlignLeft | Qt::AlignVCenter, Qs(albo.LstAlbo[static_cast<std::size_t>(i)]), kCarattereMinimo, true);
    if (totale > righe) {
        const QRect barra(lista.right() - 140, lista.top() + 20, 110, lista.height() - 40);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(215, 215, 205));
        p.drawRect(barra);
        const int alto = std::max(60, barra.height() * righe / totale);
        const int top = barra.top() + (barra.height() - alto) * da / std::max(1, totale - righe);
        p.setBrush(colori.pannello.darker(120));
        p.drawRect(QRect(barra.left(), top, barra.width(), alto));
    }
}

}  // namespace

QRect RettangoloFineAnalisi(const QRect& r, const PannelloDati& d) {
    int ultima = 0;
    for (int manche = 1; manche <= kManchePannello; ++manche)
        if (!d(manche, ColonnaDati::CartaPC).testo.empty() || !d(manche, ColonnaDati::CartaH).testo.empty()) ultima = manche;
    // After a game of all twenty tricks, just below the table.
    return {SinistraColonna(r, 1), TopManche(r, ultima + 1), 6 * LarghezzaColonna(r) - 20, kAltoCella};
}

void DisegnaMenu(QPainter& p, const CornicePrincipale& c, const ColoriPannelli&) {
    Carattere(p, 250, true);
    for (int k = 1; k <= 5; ++k) {
        const VoceMenu& v = c.Menu().lblComandi[k];
        Testo(p, geometria::VoceMenu(k), Qs(v.testo), v.abilitata ? Qc(v.coloreTesto) : QColor(160, 160, 160));
    }
}

int RigheListaAlbo() { return std::max(1, (geometria::ListaAlbo().height() - 20) / kAltezzaRigaAlbo); }

void DisegnaPannelli(QPainter& p, CornicePrincipale& c, const Tavolo& t, const PannelloOpzioni& opzioni, const ColoriPannelli& colori,
                     const ScorrimentoLista& albo, bool spiegaDati, bool sinistro, bool destro) {
    const MenuComandi& m = c.Menu();
    auto posto = [&](IndicePannello i, int w, int h) {
        const StatoPannello& s = m.fraPannello[static_cast<std::size_t>(i)];
        return QRect(s.posizione.left, s.posizione.top, w, h);
    };
    auto visibile = [&](IndicePannello i) { return m.fraPannello[static_cast<std::size_t>(i)].visibile; };
    using namespace geometria;
    if (sinistro && visibile(PannelloPartitaIdx)) {
        const QRect r = posto(PannelloPartitaIdx, kLarghezzaPannelloSinistro, kAltezzaPannelloSinistro);
        const ScatolaInDisegno scatola(p, TipoScatola::Riquadro, QStringLiteral("pannello Partita"), r);
        Riquadro(p, r, colori);
        PannelloPartita(p, r, t, colori);
    }
    if (sinistro && visibile(PannelloDatiIdx)) {
        const QRect r = posto(PannelloDatiIdx, kLarghezzaPannelloSinistro, kAltezzaPannelloSinistro);
        const ScatolaInDisegno scatola(p, TipoScatola::Riquadro, QStringLiteral("pannello Dati"), r);
        Riquadro(p, r, colori);
        PannelloDatiGrafico(p, r, t, c.lblScritteRecord(), colori, spiegaDati);
    }
    if (destro && visibile(PannelloAlboIdx)) {
        const QRect r = posto(PannelloAlboIdx, kLarghezzaPannelloDestro, kAltezzaPannelloDestro);
        const ScatolaInDisegno scatola(p, TipoScatola::Riquadro, QStringLiteral("pannello Albo"), r);
        Riquadro(p, r, colori);
        PannelloAlbo(p, r, c, colori, albo);
    }
    if (destro && visibile(PannelloOpzioniIdx)) {
        const QRect r = posto(PannelloOpzioniIdx, kLarghezzaPannelloDestro, kAltezzaPannelloDestro);
        const ScatolaInDisegno scatola(p, TipoScatola::Riquadro, QStringLiteral("pannello Opzioni"), r);
        Riquadro(p, r, colori);
        DisegnaPannelloOpzioni(p, r, opzioni, colori);
    }
}

void DisegnaSegnapunti(QPainter& p, CornicePrincipale& c, const Tavolo& t) {
    const SegnapuntiPartita& s = c.Segnapunti();
    const Presentazione& v = t.Vista();
    const QColor colore = Qc(v.ColoreRetro);
    p.setPen(Qt::NoPen);
    p.setBrush(colore.darker(170));
    for (int k = 1; k <= 5; ++k)
        if (s.LineaVVisibile[k]) p.drawRect(QRectF(s.SinistraLineaV[k], kAltoLineaV, kLarghezzaLineaV, kAltezzaLineaV));
    for (int k = 1; k <= 5 && k <= v.NumeroColonnePallini; ++k) {
        for (bool umano : {false, true}) {
            const bool pieno = umano ? v.PallinoH[k] : v.PallinoPC[k];
            const float left = umano ? s.SinistraPuntiH[k] : s.SinistraPuntiPC[k];
            const QRectF r(left, umano ? kAltoPuntiH : kAltoPuntiPC, kLatoPunto, kLatoPunto);
            p.setPen(QPen(colore.darker(170), 15));
            p.setBrush(pieno ? QBrush(colore) : QBrush(colore.lighter(160)));
            p.drawEllipse(r);
        }
    }
}

void DisegnaDomandaUscita(QPainter& p, const CornicePrincipale& c, const ColoriPannelli& colori) {
    const UscitaProgramma& u = c.Uscita();
    if (!u.DomandaVisibile()) return;
    const Posizione pos = u.PosizioneDomanda();
    const QRect r(pos.left, pos.top, geometria::kLarghezzaDomandaUscita, geometria::kAltezzaDomandaUscita);
    const ScatolaInDisegno scatola(p, TipoScatola::Riquadro, QStringLiteral("domanda d'uscita"), r);
    p.setPen(QPen(QColor(40, 20, 10), 30));
    p.setBrush(colori.pannello.lighter(120));
    p.drawRoundedRect(r, 120, 120);
    Carattere(p, 280, true);
    Testo(p, {r.left() + 200, r.top() + 250, r.width() - 400, 600}, Qs(kDomandaUscita), Qt::white, Qt::AlignCenter);
    Carattere(p, 185, true);
    for (bool si : {true, false}) {
        const QRect b = geometria::RispostaUscita(pos.left, pos.top, si);
        p.setPen(QPen(QColor(40, 20, 10), 20));
        p.setBrush(u.RisposteAbilitate() ? QColor(235, 235, 225) : QColor(170, 170, 165));
        p.drawRoundedRect(b, 80, 80);
        Testo(p, b, Qs(si ? kRispostaSiUscita : kRispostaNoUscita), Qt::black, Qt::AlignCenter);
    }
}

}  // namespace mrvelto
