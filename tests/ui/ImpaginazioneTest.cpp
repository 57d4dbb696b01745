// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen drawn at each of the four window scales through a paint device that records
// each text run with its size and box, and the boxes of panels and cards: no text under 11
// pixels, no two texts over each other, no panel or card over another, no text across a box it
// does not belong to.
#include <gtest/gtest.h>

#include <QPaintEngine>
#include <QToolTip>
#include <QWheelEvent>
#include <QPaintDevice>
#include <QPixmap>
#include <cmath>

#include "game/Conduttore.h"
#include "player/GiocatoriDiRiferimento.h"
#include "ui/FinestraAvvio.h"
#include "ui/FinestraDiProva.h"
#include "ui/GeometriaTavolo.h"
#include "ui/PittoreRegole.h"
#include "ui/RegistroDisegno.h"

namespace mrvelto {
namespace {

// Keeps each text run (through the recorder) and each picture's place; shapes are not looked at:
// the painters mark the boxes they fill.
class MotoreRegistratore : public QPaintEngine {
public:
    MotoreRegistratore() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& s) override {
        if (s.state() & QPaintEngine::DirtyTransform) t_ = s.transform();
    }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& s) override {
        figure.push_back({t_.mapRect(r), s.isNull() ? QSizeF(pm.size()) : s.size()});
    }
    void drawTextItem(const QPointF& p, const QTextItem& ti) override {
        if (ti.text().trimmed().isEmpty() || !RegistroDisegno::Attivo()) return;
        const double px = ti.font().pixelSize() > 0 ? ti.font().pixelSize() : ti.font().pointSizeF() * 96 / 72;
        const QRectF box(p.x(), p.y() - ti.ascent(), ti.width(), ti.ascent() + ti.descent());
        RegistroDisegno::Attivo()->Testo(t_.mapRect(box), px * std::sqrt(std::abs(t_.determinant())), ti.text());
    }
    Type type() const override { return QPaintEngine::User; }
    std::vector<std::pair<QRectF, QSizeF>> figure;  // where, and the source's size

private:
    QTransform t_;
};

class Registratore : public QPaintDevice {
public:
    explicit Registratore(QSize s) : dimensione_(s) {}
    QPaintEngine* paintEngine() const override { return &motore; }
    mutable MotoreRegistratore motore;

protected:
    int metric(PaintDeviceMetric m) const override {
        if (m == PdmWidth) return dimensione_.width();
        if (m == PdmHeight) return dimensione_.height();
        if (m == PdmDepth) return 32;
        if (m == PdmDevicePixelRatio) return 1;
        if (m == PdmDevicePixelRatioScaled) return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        return m == PdmNumColors ? INT_MAX : 96;  // the resolutions
    }

private:
    QSize dimensione_;
};

bool Sovrapposti(const QRectF& a, const QRectF& b) {
    const QRectF i = a.intersected(b);
    return i.width() > 1 && i.height() > 1;
}

bool Contiene(const QRectF& fuori, const QRectF& dentro) { return fuori.adjusted(-2, -2, 2, 2).contains(dentro); }

QString Descrivi(const ScatolaDisegnata& s) {
    return QStringLiteral("\"%1\" (%2,%3 %4x%5)").arg(s.nome.left(40)).arg(s.pixel.x()).arg(s.pixel.y()).arg(s.pixel.width()).arg(s.pixel.height());
}

// Draws `w` and returns what is wrong with it, one line each; `disegnato` gets what was drawn.
QStringList Controlla(QWidget& w, std::vector<std::pair<QRectF, QSizeF>>* figure = nullptr,
                      std::vector<ScatolaDisegnata>* disegnato = nullptr) {
    RegistroDisegno registro;
    RegistroDisegno::Attivo() = &registro;
    Registratore dispositivo(w.size());
    w.render(&dispositivo);
    RegistroDisegno::Attivo() = nullptr;
    if (figure) *figure = dispositivo.motore.figure;
    if (disegnato) *disegnato = registro.Scatole();
    const auto& s = registro.Scatole();
    QStringList errori;
    auto scatola = [](const ScatolaDisegnata& x) { return x.tipo != TipoScatola::Testo && x.dentro < 0; };
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i].tipo == TipoScatola::Testo && s[i].nome.trimmed() == QString(QChar(0x2026)))
            errori << QStringLiteral("testo ridotto ai puntini: %1").arg(Descrivi(s[i]));
        if (s[i].tipo == TipoScatola::Testo && s[i].carattere < 10.95)
            errori << QStringLiteral("testo di %1 px: %2").arg(s[i].carattere, 0, 'f', 1).arg(Descrivi(s[i]));
        for (std::size_t j = i + 1; j < s.size(); ++j) {
            // A selected text is drawn twice in one place (plain, then highlighted): one text.
            const bool testi = s[i].tipo == TipoScatola::Testo && s[j].tipo == TipoScatola::Testo &&
                               !(s[i].nome == s[j].nome && s[i].pixel == s[j].pixel);
            const bool riquadri = scatola(s[i]) && scatola(s[j]);
            const bool briscolaEMazzo = s[i].nome.startsWith(QLatin1String("carta ")) && s[j].nome.startsWith(QLatin1String("carta ")) &&
                                        QSet<QString>{s[i].nome, s[j].nome} == QSet<QString>{QStringLiteral("carta 7"), QStringLiteral("carta 8")};
            if ((testi || (riquadri && !briscolaEMazzo)) && Sovrapposti(s[i].pixel, s[j].pixel))
                errori << QStringLiteral("sovrapposti: %1 e %2").arg(Descrivi(s[i]), Descrivi(s[j]));
        }
        if (s[i].tipo != TipoScatola::Testo) continue;
        // A text lies inside the box it was drawn in, and across no other.
        if (s[i].dentro >= 0 && !Contiene(s[static_cast<std::size_t>(s[i].dentro)].pixel, s[i].pixel))
            errori << QStringLiteral("fuori dal suo riquadro %1: %2").arg(Descrivi(s[static_cast<std::size_t>(s[i].dentro)]), Descrivi(s[i]));
        for (std::size_t j = 0; j < s.size(); ++j)
            if (scatola(s[j]) && static_cast<int>(j) != s[i].dentro && Sovrapposti(s[i].pixel, s[j].pixel))
                errori << QStringLiteral("testo su un riquadro non suo %1: %2").arg(Descrivi(s[j]), Descrivi(s[i]));
    }
    return errori;
}

class Impaginazione : public ::testing::TestWithParam<double> {
protected:
    AvvioFinestra Avvio() {
        AvvioFinestra a = test::Avvio(11, QStringLiteral("Massimiliano Bartolomeo Crisostomo de' Medici"));
        a.scala = GetParam();
        return a;
    }
};

#define CONTROLLA(w, schermo) EXPECT_EQ(Controlla(w).join(QLatin1Char('\n')).toStdString(), "") << (schermo)

TEST_P(Impaginazione, StartUpWindowReadsAndKeepsTheSymbolsSquare) {
    AvvioFinestra avvio = Avvio();
    avvio.finestraIniziale = true;
    FinestraPrincipale f(avvio);
    FinestraAvvio a(f.Programma_(), &f, f.Scala());
    EXPECT_EQ(a.width(), qRound(640 * GetParam()));
    // The first four symbol changes fill all four places.
    for (int i = 0; i < 6; ++i) f.Orologio().EseguiProssimo();
    std::vector<std::pair<QRectF, QSizeF>> figure;
    EXPECT_EQ(Controlla(a, &figure).join(QLatin1Char('\n')).toStdString(), "");
    int quadrati = 0;
    for (const auto& [dove, sorgente] : figure) {
        if (std::abs(sorgente.width() - sorgente.height()) > 1) continue;
        ++quadrati;
        EXPECT_NEAR(dove.width(), dove.height(), 1.5) << "a square symbol drawn " << dove.width() << " x " << dove.height();
    }
    EXPECT_GT(quadrati, 0) << "no square symbol on the window";
}

TEST_P(Impaginazione, TableWithEachPanelEachRulesPageAndTheExitQuestion) {
    FinestraPrincipale f(Avvio());
    EXPECT_EQ(f.width(), qRound(800 * GetParam()));
    test::Distribuisci(f);
    auto& t = f.Tavolo_();
    GiocatoreCasuale giocatore(3);
    Conduttore c(t, f.Orologio(), giocatore);
    while (t.Stato().NumeroCarteRimaste > 24) ASSERT_TRUE(c.Passo());
    CONTROLLA(f, "tavolo");
    // The player's long name is cut on its label: the tooltip has it whole.
    const QPoint nome = f.Trasformazione().map(geometria::kNomeH.center());
    QHelpEvent aiuto(QEvent::ToolTip, nome, f.mapToGlobal(nome));
    QApplication::sendEvent(&f, &aiuto);
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("Crisostomo de' Medici"))) << QToolTip::text().toStdString();
    for (int pagina = 2; pagina <= 5; ++pagina) {
        f.Cornice().lblContinuaregole_Click();
        CONTROLLA(f, QStringLiteral("regole, pagina %1").arg(pagina).toStdString());
        EXPECT_EQ(f.ScorrimentoPaginaRegole().prima, 0) << "a new page starts at its top";
        // The rest of a long page comes up under the wheel, as readable.
        const QPointF sopra = f.Trasformazione().map(QPointF(AreaTestoRegole(f.Cornice()).center()));
        QWheelEvent rotella(sopra, f.mapToGlobal(sopra), QPoint(), QPoint(0, -120 * 20), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&f, &rotella);
        const ScorrimentoRegole& s = f.ScorrimentoPaginaRegole();
        EXPECT_TRUE(pagina != 2 || s.prima > 0) << "page 2 does not scroll";
        CONTROLLA(f, QStringLiteral("regole, pagina %1 in fondo").arg(pagina).toStdString());
        EXPECT_GE(s.prima + s.visibili, s.righe) << pagina;
    }
    f.Cornice().lblContinuaregole_Click();
    for (int k = 1; k <= 4; ++k) {
        f.Cornice().lblComandi_Click(k);
        CONTROLLA(f, QStringLiteral("pannello %1").arg(k).toStdString());
        if (k == 4) {
            // The options panel open, then the exit question over it: the later one wins whole.
            f.Cornice().lblComandi_Click(5);
            CONTROLLA(f, "domanda d'uscita sul pannello Opzioni");
            f.Cornice().RispostaNoUscita();
        }
        f.Cornice().lblComandi_Click(k);
    }
}

TEST_P(Impaginazione, EndOfGameFrameAndTheReview) {
    FinestraPrincipale f(Avvio());
    test::FinoAFineGioco(f);
    CONTROLLA(f, "fine del gioco");
    f.Cornice().lblComandi_Click(2);
    CONTROLLA(f, "fine del gioco con il pannello Dati");
    f.Cornice().lblComandi_Click(3);
    CONTROLLA(f, "fine del gioco con il pannello Albo");
    f.Cornice().lblComandi_Click(3);
    Programma& p = f.Programma_();
    p.lblRivedi_Click();
    ASSERT_EQ(p.ModoCorrente(), Modo::Analisi);
    p.cmdScegliManche_Click();
    p.cmdScegliManche_Click();
    // The reviewed trick's stock and taker, not those the game ended with.
    std::vector<ScatolaDisegnata> disegnato;
    EXPECT_EQ(Controlla(f, nullptr, &disegnato).join(QLatin1Char('\n')).toStdString(), "") << "analisi";
    const QRectF rimaste = f.Trasformazione().mapRect(QRectF(geometria::kCarteRimaste));
    QString mostrate;
    for (const ScatolaDisegnata& x : disegnato)
        if (x.tipo == TipoScatola::Testo && rimaste.contains(x.pixel.center())) mostrate += x.nome;
    EXPECT_EQ(mostrate, QStringLiteral("32"));
    const QImage img = f.grab().toImage();
    auto evidenziato = [&](const QRect& r) { return img.pixelColor(f.Trasformazione().map(QPoint(r.left() + 40, r.top() + 40))) == QColor(255, 255, 192); };
    const Chi presa = p.Analisi_().Vista().presaDi;
    ASSERT_NE(presa, Chi::Nessuno);
    EXPECT_EQ(evidenziato(geometria::kNomePC), presa == Chi::PC);
    EXPECT_EQ(evidenziato(geometria::kNomeH), presa == Chi::H);
    while (!p.Analisi_().Vista().finita) p.cmdScegliManche_Click();
    CONTROLLA(f, "fine dell'analisi");
}

INSTANTIATE_TEST_SUITE_P(Scale, Impaginazione, ::testing::Values(1.0, 1.25, 1.5, 2.0),
                         [](const ::testing::TestParamInfo<double>& i) { return "x" + std::to_string(qRound(i.param * 100)); });

}  // namespace
}  // namespace mrvelto
