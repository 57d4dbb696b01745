// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FinestraPrincipale.h"

#include <QCloseEvent>
#include <algorithm>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QToolTip>

#include "game/OraVirtuale.h"
#include "platform/PompaProgramma.h"
#include "platform/ScalaFinestra.h"
#include "platform/RadiciQt.h"
#include "platform/SistemaReale.h"
#include "platform/UscitaDispositivo.h"
#include "ui/PittorePannelli.h"
#include "ui/DialoghiArchivio.h"
#include "game/ColoriTavolo.h"
#include "ui/DisegnoMusica.h"
#include "ui/GeometriaTavolo.h"
#include "ui/PannelloOpzioniQt.h"
#include "ui/PittoreAnalisi.h"
#include "ui/PittoreRegole.h"
#include "ui/RegistroDisegno.h"
#include "ui/TestoAdattato.h"

namespace mrvelto {

namespace {

QColor Qc(Colore c) { return QColor(rosso(c), verde(c), blu(c)); }

QRect RettangoloImmagine(const SlotGrafico& s) { return {s.immagine.left, s.immagine.top, kLarghezzaImmagine, kAltezzaImmagine}; }
QRect RettangoloCornice(const SlotGrafico& s) { return {s.cornice.left, s.cornice.top, kLarghezzaCornice, kAltezzaCornice}; }

}  // namespace

FinestraPrincipale::FinestraPrincipale(const AvvioFinestra& avvio, QWidget* parent) : QWidget(parent), avvio_(avvio) {
    setWindowTitle(QStringLiteral("Mr. VELTO"));
    const QSize base(kLarghezzaTwip / kTwipPerPixel, kAltezzaTwip / kTwipPerPixel);
    scala_ = avvio_.scala;
    if (scala_ <= 0) scala_ = screen() ? ScalaFinestra(base, screen()->availableGeometry().size()) : 1.0;
    resize(qRound(base.width() * scala_), qRound(base.height() * scala_));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // the options panel highlights the value under the mouse
    AmbienteProgramma ambiente;
    const quint64 seme = avvio_.seme;
    ambiente.caso = [seme](const OrologioVirtuale& orologio) -> std::unique_ptr<FonteCasuale> {
        if (seme != 0) return std::make_unique<CasoConSeme>(seme, OraDaOrologioVirtuale(orologio));
        return CasoDiSistema();
    };
    ambiente.calendario = DataOraDiSistema;
    ambiente.radici = RadiciDelProgramma();
    immagini_ = std::make_unique<CacheImmagini>(ambiente.radici);
    media_ = ambiente.radici.media;
    if (!avvio_.catturaAudio.isEmpty()) {
        auto cattura = std::make_unique<MotoreCattura>(avvio_.catturaAudio.toStdString());
        if (!cattura->Aperto()) fprintf(stderr, "mrvelto: non riesco a scrivere %s\n", qPrintable(avvio_.catturaAudio));
        motore_ = std::move(cattura);
    } else if (avvio_.suono) {
        motore_ = std::make_unique<MotoreDispositivo>();
    }
    if (motore_) {
        ambiente.effetti = motore_->NuovoLettore(VoceAudio::Effetti);
        ambiente.musica = motore_->NuovoLettore(VoceAudio::Musica);
        ambiente.inno = motore_->NuovoLettore(VoceAudio::Inno);
        ambiente.sigla = motore_->NuovoLettore(VoceAudio::Sigla);
    }
    AvvioProgramma inizio;
    inizio.nome = avvio_.nome.toStdString();
    inizio.autoplay = avvio_.autoplay;
    inizio.semeAutoplay = avvio_.seme;
    inizio.partite = avvio_.partite;
    inizio.finestraIniziale = avvio_.finestraIniziale;
    programma_ = std::make_unique<Programma>(std::move(ambiente), std::move(inizio));
    programma_->Chiudi = [this] { Esci(); };
    ImpostaDialoghiArchivio(*programma_, this);
    // A load starts its review on a timer, outside any table step: redraw then too.
    programma_->CambioModo = [this] { update(); };
    // The review's judgements come from a worker thread: marked and drawn on the window's own.
    programma_->Analisi_().NuovoGiudizio = [this] {
        QMetaObject::invokeMethod(this, [this] {
            if (!programma_) return;
            programma_->Analisi_().AggiornaGiudizi();
            update();
        }, Qt::QueuedConnection);
    };
    if (motore_) motore_->ImpostaOra([o = &programma_->Orologio()] { return o->Adesso(); });
    ridisegno_ = Tavolo_().Eventi().Iscrivi([this](const Evento& e) {
        if (!std::holds_alternative<evento::PassoConcluso>(e)) return;
        if (motore_) motore_->Segna();
        Ridisegna();
    });

    pompa_ = new PompaProgramma(*programma_, avvio_.autoplay, avvio_.veloce, this);
    programma_->Avvia();
    pompa_->Avvia();
    QTimer::singleShot(0, this, &FinestraPrincipale::MostraAvvisi);
}

void FinestraPrincipale::MostraAvvisi() {
    for (const std::string& testo : Cornice().PrendiAvvisi()) {
        // A player at the table reads them in a box; an unattended run must not stop on one.
        if (avvio_.autoplay)
            fprintf(stderr, "mrvelto: %s\n", testo.c_str());
        else
            QMessageBox::warning(this, QStringLiteral("Mr. VELTO"), QString::fromStdString(testo));
    }
}

void FinestraPrincipale::Esci() {
    chiusa_ = true;
    pompa_->Ferma();
    emit Finito();
    close();
}

void FinestraPrincipale::closeEvent(QCloseEvent* event) {
    // The window manager's close asks the exit question, as "Esci" does; the window goes only
    // once the exit has saved the settings and its timer has fired.
    if (chiusa_ || Cornice().ChiusuraRichiesta()) {
        event->accept();
        return;
    }
    event->ignore();
    pompa_->Ripianifica();
    update();
}

FinestraPrincipale::~FinestraPrincipale() {
    // The redraw subscription points back at this window: end it before the program goes.
    ridisegno_.Rilascia();
    if (motore_) {
        // A capture ends at the clock's last time; the clock goes with the program.
        motore_->Segna();
        motore_->ImpostaOra({});
        if (!avvio_.catturaAudio.isEmpty())
            fprintf(stderr, "mrvelto: cattura audio: %lld ms di tempo virtuale\n", static_cast<long long>(Orologio().Adesso()));
    }
}

QColor FinestraPrincipale::ColoreTavolo() const { return Qc(Tavolo_().Vista().ColoreTavolo); }

QTransform FinestraPrincipale::Trasformazione() const {
    const double scala = std::min(width() / double(kLarghezzaTwip), height() / double(kAltezzaTwip));
    QTransform t;
    t.translate((width() - kLarghezzaTwip * scala) / 2, (height() - kAltezzaTwip * scala) / 2);
    t.scale(scala, scala);
    return t;
}

void FinestraPrincipale::Ridisegna() {
    // A records save may have left a message about a data file: show it once, outside the step.
    if (programma_ && !Cornice().AvvisiFile().Vuoto()) QTimer::singleShot(0, this, &FinestraPrincipale::MostraAvvisi);
    if (avvio_.autoplay && avvio_.veloce)
        repaint();  // every step is drawn, even when time jumps
    else
        update();
}

void FinestraPrincipale::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The cards come from the cache at device size; the flags are stretched here.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), ColoreTavolo());
    p.setTransform(Trasformazione());
    tagliati_.clear();
    TestiTagliati() = &tagliati_;
    Disegna(p);
    TestiTagliati() = nullptr;
}

void FinestraPrincipale::DisegnaEtichetta(QPainter& p, const QRect& r, const Etichetta& e, const QColor& testo, int pixel) {
    if (!e.visibile) return;
    if (e.evidenziata) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 192));
        p.drawRoundedRect(r, 60, 60);
    }
    QFont f = font();
    f.setPixelSize(pixel);
    f.setBold(true);
    p.setFont(f);
    p.setPen(e.evidenziata ? QColor(60, 30, 20) : testo);
    // A long player's name shrinks to its label, and past the smallest type is cut (its tooltip
    // has it whole).
    TestoAdattato(p, r.adjusted(90, 0, -90, 0), Qt::AlignVCenter | Qt::AlignLeft, QString::fromStdString(e.testo), kCarattereMinimo, true);
}

void FinestraPrincipale::DisegnaSlot(QPainter& p, int k) {
    const SlotGrafico& s = Tavolo_().Vista().Slot[k];
    if (!s.visibile) return;
    // The body in its fill (white face up, the back colour face down), then the picture the core
    // put in the slot: the face, or the back's pattern laid transparently over the colour.
    const QRect corpo = RettangoloCornice(s);
    const QRect immagine = RettangoloImmagine(s);
    const ScatolaInDisegno scatola(p, TipoScatola::Carta, QStringLiteral("carta %1").arg(k), corpo);
    p.setPen(QPen(QColor(60, 40, 30), 12));
    p.setBrush(Qc(s.riempimento));
    p.drawRoundedRect(corpo, 90, 90);
    const QRectF pixel = p.transform().mapRect(QRectF(immagine));
    const QPixmap figura = immagini_->Immagine(s.figura, pixel.size().toSize() * devicePixelRatioF());
    if (!figura.isNull()) p.drawPixmap(immagine, figura);
    if (s.bordo) {
        p.setPen(QPen(Qt::black, 15));
        p.setBrush(Qt::NoBrush);
        p.drawRect(immagine);
    }
}

void FinestraPrincipale::DisegnaFineGioco(QPainter& p) {
    const FrameFineGioco& f = Tavolo_().Vista().FineGioco;
    if (!f.visibile) return;
    const QRect r(f.posizione.left, f.posizione.top, geometria::kLarghezzaFineGioco, geometria::kAltezzaFineGioco);
    const ScatolaInDisegno scatola(p, TipoScatola::Riquadro, QStringLiteral("fine del gioco"), r);
    // The frame takes the table's colour; its dark border sets it off.
    p.setPen(QPen(QColor(40, 20, 10), 30));
    p.setBrush(ColoreTavolo());
    p.drawRoundedRect(r, 120, 120);
    QFont font1 = font();
    font1.setPixelSize(200);
    font1.setBold(true);
    p.setFont(font1);
    p.setPen(Qt::white);
    // The longer messages take four lines at this size: they shrink to fit their band.
    TestoAdattato(p, QRect(r.left() + 200, r.top() + 80, r.width() - 400, 720), Qt::AlignCenter, QString::fromStdString(f.messaggio1));
    QFont font2 = font1;
    font2.setPixelSize(kCarattereMinimo);
    font2.setBold(false);
    p.setFont(font2);
    // Below the messages the three links, then the button.
    TestoAdattato(p, QRect(r.left() + 200, r.top() + 800, r.width() - 400, 740), Qt::AlignCenter, QString::fromStdString(f.messaggio2));
    const Etichetta& b = f.cmdContinuaOIniziaPartita;
    if (b.visibile) {
        const QRect pr = geometria::PulsanteFineGioco(r.left(), r.top());
        p.setPen(QPen(QColor(40, 20, 10), 20));
        p.setBrush(b.abilitata ? QColor(235, 235, 225) : QColor(170, 170, 165));
        p.drawRoundedRect(pr, 80, 80);
        p.setPen(b.abilitata ? Qt::black : QColor(110, 110, 110));
        p.drawText(pr, Qt::AlignCenter, QString::fromStdString(b.testo));
    }
    DisegnaLinkFineGioco(p, *programma_, font());
}

std::vector<QRect> FinestraPrincipale::Coperture() {
    const auto& pannelli = Cornice().Menu().fraPannello;
    auto posto = [&](IndicePannello i, int w, int h) {
        const StatoPannello& s = pannelli[static_cast<std::size_t>(i)];
        return s.visibile ? QRect(s.posizione.left, s.posizione.top, w, h) : QRect();
    };
    const FrameFineGioco& f = Tavolo_().Vista().FineGioco;
    const UscitaProgramma& u = Cornice().Uscita();
    const bool analisi = programma_->ModoCorrente() == Modo::Analisi;
    using namespace geometria;
    QRect sinistro = posto(PannelloDatiIdx, kLarghezzaPannelloSinistro, kAltezzaPannelloSinistro);
    if (sinistro.isNull()) sinistro = posto(PannelloPartitaIdx, kLarghezzaPannelloSinistro, kAltezzaPannelloSinistro);
    QRect destro = posto(PannelloOpzioniIdx, kLarghezzaPannelloDestro, kAltezzaPannelloDestro);
    if (destro.isNull()) destro = posto(PannelloAlboIdx, kLarghezzaPannelloDestro, kAltezzaPannelloDestro);
    const QRect fine = f.visibile && !analisi ? QRect(f.posizione.left, f.posizione.top, kLarghezzaFineGioco, kAltezzaFineGioco) : QRect();
    const QRect esci = u.DomandaVisibile()
                           ? QRect(u.PosizioneDomanda().left, u.PosizioneDomanda().top, kLarghezzaDomandaUscita, kAltezzaDomandaUscita)
                           : QRect();
    const std::array<QRect, 4> r{sinistro, destro, fine, esci};
    // A box seen for the first time since it was hidden is the latest opened.
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (r[i].isNull()) aperture_[i] = 0;
        else if (aperture_[i] == 0) aperture_[i] = ++contaAperture_;
    }
    std::vector<QRect> visibili;
    for (std::size_t i = 0; i < r.size(); ++i) {
        bool vince = !r[i].isNull();
        for (std::size_t j = 0; j < r.size() && vince; ++j)
            if (j != i && !r[j].isNull() && r[i].intersects(r[j]) && aperture_[j] > aperture_[i]) vince = false;
        copertureVisibili_[i] = vince;
        visibili.push_back(vince ? r[i] : QRect());
    }
    return visibili;
}

void FinestraPrincipale::Disegna(QPainter& p) {
    const Presentazione& v = Tavolo_().Vista();
    p.fillRect(QRect(0, 0, kLarghezzaTwip, kAltezzaTwip), ColoreTavolo());
    const std::vector<QRect> coperture = Coperture();
    auto coperto = [&](const QRect& r) {
        return std::any_of(coperture.begin(), coperture.end(), [&](const QRect& c) { return !c.isNull() && c.intersects(r); });
    };

    const QColor testo(255, 240, 220);
    const bool analisi = programma_->ModoCorrente() == Modo::Analisi;
    Etichetta puntiPC = v.PuntiPC, puntiH = v.PuntiH, nomePC = v.NomePC, nomeH = v.NomeH;
    Etichetta carteRimaste = v.CarteRimaste, carteRimasteScritta = v.CarteRimasteScritta;
    if (analisi && programma_->Analisi_().Attiva()) {
        // The reviewed trick's score, stock and taker, not the table's last ones.
        const VistaAnalisi& a = programma_->Analisi_().Vista();
        puntiPC.testo = std::to_string(a.PuntiPC);
        puntiH.testo = std::to_string(a.PuntiH);
        const int nelMazzo = a.carteNelMazzo + (a.briscolaInTavola ? 1 : 0);
        carteRimaste.testo = std::to_string(nelMazzo);
        carteRimaste.visibile = carteRimasteScritta.visibile = nelMazzo > 0;
        nomePC.evidenziata = a.presaDi == Chi::PC;
        nomeH.evidenziata = a.presaDi == Chi::H;
    }
    DisegnaEtichetta(p, geometria::kNomePC, nomePC, testo, 300);
    DisegnaEtichetta(p, geometria::kPuntiPCScritta, v.PuntiPCScritta, testo, 260);
    DisegnaEtichetta(p, geometria::kPuntiPC, puntiPC, testo, 300);
    DisegnaEtichetta(p, geometria::kNomeH, nomeH, testo, 300);
    DisegnaEtichetta(p, geometria::kPuntiHScritta, v.PuntiHScritta, testo, 260);
    DisegnaEtichetta(p, geometria::kPuntiH, puntiH, testo, 300);
    DisegnaEtichetta(p, geometria::kCarteRimasteScritta, carteRimasteScritta, testo, 240);
    DisegnaEtichetta(p, geometria::kCarteRimaste, carteRimaste, testo, 260);

    DisegnaSegnapunti(p, Cornice(), Tavolo_());
    // The panels take the table's colour, as the window's background.
    const ColoriPannelli colori{ColoreTavolo(), ColoreTavolo(), testo};
    DisegnaMenu(p, Cornice(), colori);

    if (analisi) {
        DisegnaAnalisi(p, *programma_, *immagini_, font(), coperto);
    } else {
        // Cards: the stock under the briscola is drawn first, hand cards, then played ones on top.
        // A card that a panel or frame would half cover is left out while it is open.
        for (int k : {7, 8, 1, 2, 3, 4, 5, 6})
            if (!coperto(RettangoloCornice(v.Slot[k]))) DisegnaSlot(p, k);
    }

    if (v.cmdEffettuaLaPresa.visibile && !analisi) {
        p.setPen(QPen(QColor(40, 20, 10), 20));
        p.setBrush(v.cmdEffettuaLaPresa.abilitata ? QColor(235, 235, 225) : QColor(170, 170, 165));
        p.drawRoundedRect(geometria::kPresa, 80, 80);
        QFont f = font();
        f.setPixelSize(260);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(geometria::kPresa, Qt::AlignCenter, QString::fromStdString(v.cmdEffettuaLaPresa.testo));
    }
    if (v.IstruzioneIniziale.visibile && !analisi) {
        QFont f = font();
        f.setPixelSize(220);
        f.setItalic(true);
        p.setFont(f);
        p.setPen(testo);
        p.drawText(geometria::kIstruzione, Qt::AlignCenter, QString::fromStdString(v.IstruzioneIniziale.testo));
    }
    const bool titoloCoperto = !coperture[0].isNull();
    DisegnaMusica(p, programma_->Audio().Musica_().Vista(), media_, font(), titoloCoperto);
    DisegnaRegole(p, Cornice(), colori, regole_);
    DisegnaPannelli(p, Cornice(), Tavolo_(), programma_->Opzioni_(), colori, albo_, programma_->SpiegaPannelloDatiVisibile(),
                    copertureVisibili_[0], copertureVisibili_[1]);
    if (!analisi && copertureVisibili_[2]) DisegnaFineGioco(p);
    if (copertureVisibili_[3]) DisegnaDomandaUscita(p, Cornice(), colori);
}

void FinestraPrincipale::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    bool ok = false;
    const QTransform inversa = Trasformazione().inverted(&ok);
    if (!ok) return;
    const QPoint t = inversa.map(event->position()).toPoint();
    const Presentazione& v = Tavolo_().Vista();
    const UscitaProgramma& uscita = Cornice().Uscita();
    if (uscita.DomandaVisibile()) {
        const Posizione pos = uscita.PosizioneDomanda();
        if (geometria::RispostaUscita(pos.left, pos.top, true).contains(t)) Cornice().RispostaSiUscita();
        if (geometria::RispostaUscita(pos.left, pos.top, false).contains(t)) Cornice().RispostaNoUscita();
        pompa_->Ripianifica();
        update();
        return;
    }
    for (int k = 1; k <= 5; ++k) {
        if (geometria::VoceMenu(k).contains(t)) {
            Cornice().lblComandi_Click(k);
            pompa_->Ripianifica();
            update();
            return;
        }
    }
    if (const QRect r = RettangoloOpzioni(); r.contains(t)) {
        const int n = CosaCeSotto(r, t).didascalia;
        if (n >= 0) programma_->Opzioni_().lblVoce_Click(n);
        pompa_->Ripianifica();
        update();
        return;
    }
    const StatoPannello& albo = Cornice().Menu().fraPannello[PannelloAlboIdx];
    if (albo.visibile && QRect(albo.posizione.left, albo.posizione.top, geometria::kLarghezzaPannelloDestro,
                               geometria::kAltezzaPannelloDestro).contains(t)) {
        // A click on the log moves the focus to the hidden button whose action may close the
        // panel, so that Enter goes on with the match. The rest of the panel takes no clicks: what
        // it covers is not in view.
        if (geometria::ListaAlbo().contains(t) && Cornice().LstAlbo_Click() == Fuoco::SetFocusAlbo) Cornice().cmdSetFocusAlbo();
        update();
        return;
    }
    if (ClickRegole(Cornice(), t)) {
        update();
        return;
    }
    if (ClickAnalisi(*programma_, t)) {
        pompa_->Ripianifica();
        update();
        return;
    }
    // In review the table shows a saved game: its cards and the end-of-game frame take no clicks.
    if (programma_->ModoCorrente() == Modo::Analisi) return;
    if (v.PuntiPC.visibile && geometria::kPuntiPC.contains(t)) {
        Cornice().PuntiPC_Click();
        Ridisegna();
        return;
    }
    if (v.FineGioco.visibile) {
        const QRect pr = geometria::PulsanteFineGioco(v.FineGioco.posizione.left, v.FineGioco.posizione.top);
        if (pr.contains(t)) Tavolo_().cmdContinuaOIniziaPartita_Click();
    } else if (v.cmdEffettuaLaPresa.visibile && geometria::kPresa.contains(t)) {
        Tavolo_().cmdEffettuaLaPresa_Click();
    } else {
        // The topmost card under the pointer, in reverse drawing order.
        for (int k : {6, 5, 4, 3, 2, 1, 8, 7}) {
            const SlotGrafico& s = v.Slot[k];
            if (s.visibile && RettangoloImmagine(s).contains(t)) {
                Tavolo_().ImgCarta_Click(k);
                break;
            }
        }
    }
    pompa_->Ripianifica();
}

QRect FinestraPrincipale::RettangoloOpzioni() const {
    const StatoPannello& s = programma_->Cornice().Menu().fraPannello[PannelloOpzioniIdx];
    if (!s.visibile) return {};
    return {s.posizione.left, s.posizione.top, geometria::kLarghezzaPannelloDestro, geometria::kAltezzaPannelloDestro};
}

void FinestraPrincipale::mouseMoveEvent(QMouseEvent* event) {
    const QRect r = RettangoloOpzioni();
    if (r.isEmpty()) return;
    const SottoIlMouse sotto = CosaCeSotto(r, Trasformazione().inverted().map(event->position()).toPoint());
    PannelloOpzioni& pannello = programma_->Opzioni_();
    const int prima = pannello.lblOpzioneMouse();
    if (sotto.didascalia >= 0) pannello.lblVoce_MouseMove(sotto.didascalia);
    else if (sotto.valore >= 0) pannello.Opzione_MouseMove();
    if (pannello.lblOpzioneMouse() != prima) update();
}

bool FinestraPrincipale::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* aiuto = static_cast<QHelpEvent*>(e);
        const QPoint t = Trasformazione().inverted().map(aiuto->pos());
        const QRect r = RettangoloOpzioni();
        const SottoIlMouse sotto = CosaCeSotto(r, t);
        const int n = sotto.didascalia >= 0 ? sotto.didascalia : sotto.valore;
        // A text cut to its box shows whole in its tooltip.
        const auto tagliato = std::find_if(tagliati_.rbegin(), tagliati_.rend(), [&](const TestoTagliato& x) { return x.r.contains(t); });
        if (tagliato != tagliati_.rend())
            QToolTip::showText(aiuto->globalPos(), QStringLiteral("<p>%1</p>").arg(tagliato->testo.toHtmlEscaped()), this);
        else if (!r.isEmpty() && n >= 0)
            QToolTip::showText(aiuto->globalPos(), SuggerimentoOpzione(n), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

void FinestraPrincipale::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        programma_->TastoInvio();
        pompa_->Ripianifica();
        update();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FinestraPrincipale::wheelEvent(QWheelEvent* event) {
    bool ok = false;
    const QPoint t = Trasformazione().inverted(&ok).map(event->position()).toPoint();
    if (ok && RegoleVisibili(Cornice()) && AreaTestoRegole(Cornice()).contains(t)) {
        // Three lines a notch; wheel up goes back towards the page's top.
        regole_.Scorri(-event->angleDelta().y() / 120 * 3);
        update();
        event->accept();
        return;
    }
    if (!ok || !Cornice().Menu().fraPannello[PannelloAlboIdx].visibile || !geometria::ListaAlbo().contains(t)) {
        QWidget::wheelEvent(event);
        return;
    }
    // One entry per notch; wheel up goes back to the older entries.
    const int passi = -event->angleDelta().y() / 120;
    if (passi != 0) {
        albo_.Scorri(passi, static_cast<int>(Cornice().PannelloAlbo().LstAlbo.size()), RigheListaAlbo());
        update();
    }
    event->accept();
}

}  // namespace mrvelto
