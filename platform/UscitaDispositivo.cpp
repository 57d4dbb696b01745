// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UscitaDispositivo.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <cstdio>
#include <mutex>

namespace mrvelto {

namespace {

// Qt's PulseAudio backend warns on its own when there is no sound server; the engine already
// says it in its one line.
QtMessageHandler gestorePrecedente = nullptr;

void FiltraAvvisiAudio(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
    if (testo.startsWith(QLatin1String("PulseAudioService:"))) return;
    if (gestorePrecedente) gestorePrecedente(tipo, contesto, testo);
}

void InstallaFiltro() {
    static std::once_flag una;
    std::call_once(una, [] { gestorePrecedente = qInstallMessageHandler(FiltraAvvisiAudio); });
}

}  // namespace

// The sink's source: every read renders the next block of the mix.
class SorgenteMix : public QIODevice {
public:
    SorgenteMix(MotoreDispositivo& motore, Miscelatore& mix) : motore_(motore), mix_(mix) {}
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return MotoreDispositivo::kFotogrammiBuffer * 4 + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* dati, qint64 massimo) override {
        const auto fotogrammi = static_cast<std::size_t>(std::min<qint64>(massimo / 4, MotoreDispositivo::kFotogrammiBuffer));
        auto* uscita = reinterpret_cast<std::int16_t*>(dati);
        // Small blocks, each after the commands queued so far: a command waits one block at most.
        for (std::size_t fatti = 0; fatti < fotogrammi;) {
            const std::size_t n = std::min<std::size_t>(MotoreDispositivo::kBlocco, fotogrammi - fatti);
            for (const ComandoAudio& c : motore_.Prendi()) mix_.Applica(c);
            buffer_.resize(2 * n);
            mix_.Rendi(buffer_.data(), n);
            for (std::size_t i = 0; i < 2 * n; ++i) uscita[2 * fatti + i] = A16Bit(buffer_[i]);
            fatti += n;
        }
        return static_cast<qint64>(fotogrammi * 4);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    MotoreDispositivo& motore_;
    Miscelatore& mix_;
    std::vector<float> buffer_;
};

class RiproduttoreQt : public QObject {
public:
    RiproduttoreQt(MotoreDispositivo& motore, std::filesystem::path soundfont)
        : motore_(motore), mix_(std::move(soundfont)), sorgente_(motore, mix_) {}

    void Avvia() {
        const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
        if (dispositivo.isNull()) {
            Muto("nessun dispositivo audio");
            return;
        }
        QAudioFormat formato;
        formato.setSampleRate(kFrequenzaAudio);
        formato.setChannelCount(2);
        formato.setSampleFormat(QAudioFormat::Int16);
        if (!dispositivo.isFormatSupported(formato)) {
            Muto("il dispositivo audio non accetta 44100 Hz stereo a 16 bit");
            return;
        }
        // The soundfont is read here, off the game's thread, before the first block.
        mix_.Prepara();
        if (!mix_.Problema().empty()) std::fprintf(stderr, "mrvelto: %s\n", mix_.Problema().c_str());
        sorgente_.open(QIODevice::ReadOnly);
        sink_ = std::make_unique<QAudioSink>(dispositivo, formato);
        sink_->setBufferSize(MotoreDispositivo::kFotogrammiBuffer * 4);
        sink_->start(&sorgente_);
        if (sink_->error() != QAudio::NoError) {
            sink_.reset();
            Muto("il dispositivo audio non si apre");
            return;
        }
        motore_.ImpostaBuffer(static_cast<int>(sink_->bufferSize() / 4));
    }

    void Ferma() {
        if (sink_) sink_->stop();
        sink_.reset();
        sorgente_.close();
    }

private:
    void Muto(const char* perche) {
        std::fprintf(stderr, "mrvelto: %s: si gioca in silenzio\n", perche);
        motore_.Ammutolisci();
    }

    MotoreDispositivo& motore_;
    Miscelatore mix_;
    SorgenteMix sorgente_;
    std::unique_ptr<QAudioSink> sink_;
};

MotoreDispositivo::MotoreDispositivo(std::filesystem::path soundfont) {
    InstallaFiltro();
    riproduttore_ = new RiproduttoreQt(*this, std::move(soundfont));
    riproduttore_->moveToThread(&thread_);
    thread_.setObjectName(QStringLiteral("audio"));
    thread_.start();
    QMetaObject::invokeMethod(riproduttore_, [r = riproduttore_] { r->Avvia(); }, Qt::QueuedConnection);
}

MotoreDispositivo::~MotoreDispositivo() {
    // The sink and the mixer go on their own thread, then the thread ends.
    QMetaObject::invokeMethod(riproduttore_, [r = riproduttore_] {
        r->Ferma();
        delete r;
    }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void MotoreDispositivo::Accoda(ComandoAudio c) {
    if (muto_.load()) return;
    std::lock_guard lock(mutex_);
    coda_.push_back(std::move(c));
}

std::vector<ComandoAudio> MotoreDispositivo::Prendi() {
    std::vector<ComandoAudio> presi;
    std::lock_guard lock(mutex_);
    presi.swap(coda_);
    return presi;
}

void MotoreDispositivo::Ammutolisci() {
    muto_.store(true);
    std::lock_guard lock(mutex_);
    coda_.clear();
}

}  // namespace mrvelto
