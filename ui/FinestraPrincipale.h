// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: draws the table from the core's presentation state and forwards the player's
// clicks and the Enter key to the table's input entry points. It decides nothing itself.
#include <QWidget>
#include <filesystem>
#include <memory>

#include <array>
#include <vector>

#include "ui/CacheImmagini.h"
#include "ui/PittoreRegole.h"
#include "ui/TestoAdattato.h"
#include "platform/MotoreAudio.h"

#include "screens/Programma.h"

namespace mrvelto {

class PompaProgramma;

struct AvvioFinestra {
    QString nome = QStringLiteral("Giocatore");
    bool autoplay = false;  // a built-in player clicks for the human
    bool veloce = false;    // time jumps from step to step
    int partite = 0;        // with autoplay: matches to play before leaving (0 = no limit)
    quint64 seme = 0;       // 0: seeded from the clock
    bool finestraIniziale = false;  // open on the start-up window (FinestraAvvio)
    bool suono = false;     // the audio device plays the game's sounds
    QString catturaAudio;   // if set: the mix on virtual time goes to this WAV instead
    double scala = 0;       // pixels per 15 twips; 0: the largest step that fits the screen
};

class FinestraPrincipale : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLarghezzaTwip = 12000;
    static constexpr int kAltezzaTwip = 9500;
    static constexpr int kTwipPerPixel = 15;

    explicit FinestraPrincipale(const AvvioFinestra& avvio = {}, QWidget* parent = nullptr);
    ~FinestraPrincipale() override;

    QColor ColoreTavolo() const;
    Programma& Programma_() { return *programma_; }
    MotoreAudio* Motore() { return motore_.get(); }
    Tavolo& Tavolo_() { return programma_->Tavolo_(); }
    const Tavolo& Tavolo_() const { return programma_->Tavolo_(); }
    CornicePrincipale& Cornice() { return programma_->Cornice(); }
    OrologioVirtuale& Orologio() { return programma_->Orologio(); }
    // Twips to pixels for the current size: the table is scaled to fit and centred.
    QTransform Trasformazione() const;
    // The scale the window opened at (1 = 15 twips a pixel).
    double Scala() const { return scala_; }
    // Where the records panel's match log is scrolled to.
    const ScorrimentoLista& ScorrimentoAlbo() const { return albo_; }
    const ScorrimentoRegole& ScorrimentoPaginaRegole() const { return regole_; }

signals:
    // The autoplay reached its number of matches and the window is leaving.
    void Finito();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Disegna(QPainter& p);
    void DisegnaSlot(QPainter& p, int k);
    void DisegnaEtichetta(QPainter& p, const QRect& r, const Etichetta& e, const QColor& testo, int pixel);
    void DisegnaFineGioco(QPainter& p);
    void Ridisegna();
    void MostraAvvisi();
    void Esci();
    // The options panel's place while it is shown, else an empty rectangle (twips).
    QRect RettangoloOpzioni() const;
    // The boxes that lie over the table (side panels, end-of-game frame, exit question) that are
    // drawn now: of two that overlap, only the one opened later.
    std::vector<QRect> Coperture();

    AvvioFinestra avvio_;
    // Declared before the program: its players must outlive it.
    std::unique_ptr<MotoreAudio> motore_;
    std::filesystem::path media_;
    std::unique_ptr<Programma> programma_;
    CanaleEventi::Iscrizione ridisegno_;
    PompaProgramma* pompa_ = nullptr;
    bool chiusa_ = false;
    std::unique_ptr<CacheImmagini> immagini_;
    ScorrimentoLista albo_;   // the exit has run its course: the window may close
    ScorrimentoRegole regole_;
    double scala_ = 1;
    std::vector<TestoTagliato> tagliati_;  // the last frame's cut texts, for their tooltips
    // When each overlay was last seen opening (0: hidden), to tell which one came later.
    std::array<quint64, 4> aperture_{};
    quint64 contaAperture_ = 0;
    std::array<bool, 4> copertureVisibili_{};
};

}  // namespace mrvelto
