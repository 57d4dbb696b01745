// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PittoreAnalisi.h"

#include <QPainter>

#include "game/AspettoCarte.h"
#include "screens/Programma.h"
#include "ui/CacheImmagini.h"
#include "ui/GeometriaTavolo.h"
#include "ui/RegistroDisegno.h"
#include "ui/TestoAdattato.h"

namespace mrvelto {

namespace {

QColor Qc(Colore c) { return QColor(rosso(c), verde(c), blu(c)); }
QString Qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Set while a review is drawn: a card's body that an open panel or frame would half cover.
const std::function<bool(const QRect&)>* gCoperto = nullptr;

// A card's body and picture with its image's top left at `pos`; `segnata` rings the taker's card.
void Carta(QPainter& p, CacheImmagini& immagini, Punto pos, const std::string& figura, QColor riempimento, bool segnata = false) {
    const QRect corpo(pos.left - kScartoCornice, pos.top - kScartoCornice, kLarghezzaCornice, kAltezzaCornice);
    if (gCoperto && *gCoperto && (*gCoperto)(corpo)) return;
    // The briscola and the stock lie one over the other by design: they keep their slots' names.
    auto e = [&](int k) { return pos.left == PosizioneDiManoDelloSlot(k).left && pos.top == PosizioneDiManoDelloSlot(k).top; };
    const QString nome = e(7) ? QStringLiteral("carta 7") : e(8) ? QStringLiteral("carta 8") : QStringLiteral("carta dell'analisi");
    const ScatolaInDisegno scatola(p, TipoScatola::Carta, nome, corpo);
    const QRect immagine(pos.left, pos.top, kLarghezzaImmagine, kAltezzaImmagine);
    p.setPen(segnata ? QPen(QColor(255, 210, 0), 70) : QPen(QColor(60, 40, 30), 12));
    p.setBrush(riempimento);
    p.drawRoundedRect(corpo, 90, 90);
    const QRectF pixel = p.transform().mapRect(QRectF(immagine));
    const QPixmap img = immagini.Immagine(figura, pixel.size().toSize());
    if (!img.isNull()) p.drawPixmap(immagine, img);
}

void Faccia(QPainter& p, CacheImmagini& immagini, const Tavolo& t, Punto pos, CartaDaGioco c, bool segnata = false) {
    if (c.Vuota()) return;
    Carta(p, immagini, pos, FileFaccia(t.Opz().StileCarte, c.Codice()), Qt::white, segnata);
}

void Pulsante(QPainter& p, const QRect& r, const QString& testo, bool abilitato) {
    p.setPen(QPen(QColor(40, 20, 10), 20));
    p.setBrush(abilitato ? QColor(235, 235, 225) : QColor(170, 170, 165));
    p.drawRoundedRect(r, 80, 80);
    p.setPen(abilitato ? Qt::black : QColor(110, 110, 110));
    // On one line if it fits, else on two, else a little smaller: never cut off.
    TestoAdattato(p, r.adjusted(50, 25, -50, -25), Qt::AlignCenter, testo);
}

}  // namespace

std::array<PulsanteAnalisiQt, 5> PulsantiDellAnalisi(Programma& programma) {
    const PulsantiAnalisi& b = programma.Pulsanti();
    const VistaAnalisi& v = programma.Analisi_().Vista();
    const bool attiva = programma.Analisi_().Attiva();
    return {{
        {"Mano seguente", b.cmdScegliManche, attiva && !v.finita, [&programma] { programma.cmdScegliManche_Click(); }},
        {"Da capo", b.cmdInizioAnalisi, attiva && v.Manche > 0, [&programma] { programma.cmdInizioAnalisi_Click(); }},
        {"Apri...", b.cmdLoad, true, [&programma] { programma.cmdLoad_Click(); }},
        {"Salva...", b.cmdSave, attiva, [&programma] { programma.cmdSave_Click(); }},
        {"Torna al Gioco", b.cmdTornaAlGioco, true, [&programma] { programma.cmdTornaAlGioco_Click(); }},
    }};
}

void DisegnaAnalisi(QPainter& p, Programma& programma, CacheImmagini& immagini, const QFont& base,
                    const std::function<bool(const QRect&)>& coperto) {
    gCoperto = &coperto;
    const Tavolo& t = programma.Tavolo_();
    const Analisi& analisi = programma.Analisi_();
    QFont f = base;
    if (analisi.Attiva()) {
        const VistaAnalisi& v = analisi.Vista();
        // In a review both hands lie face up: it is the point of looking back.
        for (int i = 0; i < 3; ++i) {
            Faccia(p, immagini, t, PosizioneDiManoDelloSlot(1 + i), v.manoPC[static_cast<std::size_t>(i)]);
            Faccia(p, immagini, t, PosizioneDiManoDelloSlot(4 + i), v.manoH[static_cast<std::size_t>(i)]);
        }
        if (v.briscolaInTavola) Faccia(p, immagini, t, PosizioneDiManoDelloSlot(7), v.briscola);
        if (v.carteNelMazzo > 0)
            Carta(p, immagini, PosizioneDiManoDelloSlot(8), FileMotivo(t.Opz().MotivoRetro), Qc(t.Vista().ColoreRetro));
        Faccia(p, immagini, t, kPostoInTavolaPC, v.inTavolaPC, v.presaDi == Chi::PC);
        Faccia(p, immagini, t, kPostoInTavolaH, v.inTavolaH, v.presaDi == Chi::H);
        f.setPixelSize(175);
        f.setBold(v.finita);
        p.setFont(f);
        p.setPen(QColor(255, 240, 220));
        TestoAdattato(p, geometria::kDescrizioneAnalisi, Qt::AlignLeft | Qt::AlignVCenter, Qs(analisi.Testo()));
    }
    gCoperto = nullptr;
    f.setPixelSize(kCarattereMinimo);
    f.setBold(true);
    p.setFont(f);
    const auto pulsanti = PulsantiDellAnalisi(programma);
    for (int i = 0; i < geometria::kPulsantiAnalisi; ++i) {
        const PulsanteAnalisiQt& b = pulsanti[static_cast<std::size_t>(i)];
        if (b.visibile) Pulsante(p, geometria::PulsanteAnalisi(i), QString::fromUtf8(b.testo), b.abilitato);
    }
}

void DisegnaLinkFineGioco(QPainter& p, const Programma& programma, const QFont& base) {
    if (!programma.LinkFineGiocoVisibili()) return;
    const Punto pos = programma.Tavolo_().Vista().FineGioco.posizione;
    p.save();
    QFont f = base;
    f.setPixelSize(170);
    f.setBold(true);
    f.setUnderline(true);
    p.setFont(f);
    p.setPen(QColor(255, 235, 120));
    const std::string_view testi[3] = {kLinkApri, kLinkRivedi, kLinkSalva};
    for (int i = 0; i < 3; ++i) p.drawText(geometria::LinkFineGioco(pos.left, pos.top, i), Qt::AlignLeft | Qt::AlignVCenter, Qs(testi[i]));
    p.restore();
}

bool ClickAnalisi(Programma& programma, QPoint twip) {
    if (programma.ModoCorrente() == Modo::Analisi) {
        const auto pulsanti = PulsantiDellAnalisi(programma);
        for (int i = 0; i < geometria::kPulsantiAnalisi; ++i) {
            const PulsanteAnalisiQt& b = pulsanti[static_cast<std::size_t>(i)];
            if (b.visibile && b.abilitato && geometria::PulsanteAnalisi(i).contains(twip)) {
                b.azione();
                return true;
            }
        }
        return false;
    }
    if (!programma.LinkFineGiocoVisibili()) return false;
    const Punto pos = programma.Tavolo_().Vista().FineGioco.posizione;
    if (geometria::LinkFineGioco(pos.left, pos.top, 0).contains(twip)) programma.lblApri_Click();
    else if (geometria::LinkFineGioco(pos.left, pos.top, 1).contains(twip)) programma.lblRivedi_Click();
    else if (geometria::LinkFineGioco(pos.left, pos.top, 2).contains(twip)) programma.lblSalva_Click();
    else return false;
    return true;
}

}  // namespace mrvelto
