// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FinestraAvvio.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

namespace mrvelto {

namespace {

QColor Qc(Colore c) { return QColor(rosso(c), verde(c), blu(c)); }

// A missing picture is drawn as a plain panel, so that the window still reads well. With
// `proporzioni` the picture keeps its shape, as large as `r` allows and centred in it.
void Immagine(QPainter& p, const QRect& r, const std::filesystem::path& file, const QColor& riserva, const QString& etichetta,
              bool proporzioni = false) {
    QPixmap pix(QString::fromStdString(file.string()));
    if (!pix.isNull()) {
        if (!proporzioni) {
            p.drawPixmap(r, pix);
            return;
        }
        const QSizeF dentro = QSizeF(pix.size()).scaled(r.size(), Qt::KeepAspectRatio);
        const QRectF posto(r.left() + (r.width() - dentro.width()) / 2, r.top() + (r.height() - dentro.height()) / 2, dentro.width(),
                           dentro.height());
        p.drawPixmap(posto, pix, QRectF(pix.rect()));
        return;
    }
    p.fillRect(r, riserva);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, etichetta);
}

}  // namespace

FinestraAvvio::FinestraAvvio(Programma& programma, QWidget* principale, double scala, QWidget* parent)
    : QWidget(parent), programma_(programma), iniziale_(*programma.Iniziale()), principale_(principale), scala_(scala) {
    setWindowTitle(QStringLiteral("Mr. VELTO"));
    auto s = [scala](int v) { return qRound(v * scala); };
    setFixedSize(s(640), s(480));
    QFont f = font();
    f.setPixelSize(s(15));
    nome_ = new QLineEdit(this);
    nome_->setFont(f);
    nome_->setGeometry(s(170), s(380), s(220), s(28));
    nome_->setText(QString::fromStdString(iniziale_.Testo()));
    nome_->selectAll();
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setFont(f);
    ok_->setGeometry(s(400), s(380), s(70), s(28));
    connect(nome_, &QLineEdit::textEdited, this, [this](const QString& t) { iniziale_.ImpostaTesto(t.toStdString()); });
    connect(nome_, &QLineEdit::returnPressed, this, [this] { programma_.TastoInvio(); Aggiorna(); });
    connect(ok_, &QPushButton::clicked, this, [this] { programma_.TastoInvio(); Aggiorna(); });
    connect(&ridisegno_, &QTimer::timeout, this, &FinestraAvvio::Aggiorna);
    ridisegno_.start(50);
    nome_->setFocus();
    // The table comes up the moment the name is taken, not at the next redraw: the autoplay may
    // have typed it, and a fast one could otherwise play a whole match before the table is shown.
    cambioModoPrecedente_ = programma_.CambioModo;
    programma_.CambioModo = [this] {
        if (cambioModoPrecedente_) cambioModoPrecedente_();
        if (ridisegno_.isActive()) Aggiorna();
    };
}

FinestraAvvio::~FinestraAvvio() { programma_.CambioModo = cambioModoPrecedente_; }

void FinestraAvvio::Aggiorna() {
    if (programma_.ModoCorrente() != Modo::Avvio) {
        ridisegno_.stop();
        hide();
        principale_->show();
        return;
    }
    // The autoplay types in the program: the box shows what it holds.
    const QString testo = QString::fromStdString(iniziale_.Testo());
    if (nome_->text() != testo) nome_->setText(testo);
    update();
}

void FinestraAvvio::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        programma_.TastoInvio();
        Aggiorna();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FinestraAvvio::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The pictures are stretched to their places; sampled without smoothing their diagonals
    // come out as stairs, most of all on a screen scaled to 150 or 200 %.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Laid out at 640 x 480 and scaled to the window.
    p.scale(scala_, scala_);
    const QRect tutto(0, 0, 640, 480);
    Immagine(p, tutto, iniziale_.PercorsoSfondo(), QColor(20, 40, 90), QString());
    // The flag behind is dimmed, so that the white and yellow texts read on every part of it.
    p.fillRect(tutto, QColor(0, 0, 0, 120));
    Immagine(p, QRect(520, 20, 100, 66), iniziale_.PercorsoVessillo(), QColor(0, 140, 70), QStringLiteral("Italia"));
    p.setPen(Qt::white);
    QFont f = font();
    f.setPixelSize(16);
    p.setFont(f);
    p.drawText(QRect(20, 20, 480, 60), Qt::TextWordWrap, QString::fromUtf8(kTestoScritta1.data(), int(kTestoScritta1.size())));
    if (iniziale_.Scritta2Visibile()) {
        QFont grande = f;
        grande.setPixelSize(48);
        grande.setBold(true);
        p.setFont(grande);
        p.setPen(QColor(255, 220, 0));
        p.drawText(QRect(20, 85, 600, 70), Qt::AlignCenter, QString::fromUtf8(kTestoScritta2.data()));
    }
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(20, 155, 600, 24), Qt::AlignCenter, QString::fromUtf8(kTestoSottotitolo.data(), int(kTestoSottotitolo.size())));
    // The four symbol places, 150 pixels apart; a symbol as wide as its picture width
    // (twips / 15 = pixels, at two thirds) and keeping its shape, centred in its place.
    for (int posto = 1; posto <= 4; ++posto) {
        const FinestraIniziale::Simbolo& s = iniziale_.ImgSimbolo(posto);
        if (!s.visibile) continue;
        const int larghezza = s.larghezza / 15 * 2 / 3;
        const QRect r(40 + (posto - 1) * 150 + (140 - larghezza) / 2, 195, larghezza, 110);
        static const char* kNomi[] = {"", "Bastoni", "Bastoni", "Spade", "Spade", "Denari", "Denari", "Coppe", "Coppe"};
        Immagine(p, r, iniziale_.PercorsoSimbolo(s.numero), QColor(120, 30, 30), QString::fromLatin1(kNomi[s.numero]), true);
    }
    if (iniziale_.InserisciVisibile()) {
        const QColor colore = Qc(iniziale_.ColoreInserisci());
        const QRect riga(20, 325, 600, 48);
        const QString testo = QString::fromStdString(iniziale_.Inserisci());
        if (colore.lightness() < 128) {
            // A dark prompt (the name was refused) gets a light band to stand on.
            const QRect occupato = p.fontMetrics().boundingRect(riga, Qt::AlignCenter | Qt::TextWordWrap, testo);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 250, 225, 200));
            p.drawRoundedRect(occupato.adjusted(-10, -4, 10, 4), 6, 6);
        }
        p.setPen(colore);
        p.drawText(riga, Qt::AlignCenter | Qt::TextWordWrap, testo);
    }
    p.setPen(Qt::lightGray);
    p.drawText(QRect(540, 450, 90, 20), Qt::AlignRight, QString::fromUtf8(kTestoVersione.data(), int(kTestoVersione.size())));
}

}  // namespace mrvelto
