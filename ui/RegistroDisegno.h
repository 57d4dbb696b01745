// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a frame drew, box by box: the panels and cards with their place on the device, and the
// texts drawn inside each. Nothing is kept unless a register is active (the layout checks set one);
// a frame's painters mark their boxes with a ScatolaInDisegno in the scope where they fill them.
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace mrvelto {

enum class TipoScatola { Testo, Riquadro, Carta };

struct ScatolaDisegnata {
    TipoScatola tipo = TipoScatola::Testo;
    QString nome;          // a text's own characters, a box's name
    QRectF pixel;          // on the device
    double carattere = 0;  // a text's size in device pixels
    int dentro = -1;       // the box being drawn when the text was (index into the register)
};

class RegistroDisegno {
public:
    // The register that records, or nullptr.
    static RegistroDisegno*& Attivo();

    void Testo(const QRectF& pixel, double carattere, const QString& testo);
    int Apri(TipoScatola tipo, const QString& nome, const QRectF& pixel);
    void Chiudi() { if (!aperte_.empty()) aperte_.pop_back(); }
    const std::vector<ScatolaDisegnata>& Scatole() const { return scatole_; }
    void Svuota() { scatole_.clear(); aperte_.clear(); }

private:
    std::vector<ScatolaDisegnata> scatole_;
    std::vector<int> aperte_;
};

// Marks `twip` (painter units) as one box for the scope of this object.
class ScatolaInDisegno {
public:
    ScatolaInDisegno(const QPainter& p, TipoScatola tipo, const QString& nome, const QRectF& r);
    ~ScatolaInDisegno();
    ScatolaInDisegno(const ScatolaInDisegno&) = delete;
    ScatolaInDisegno& operator=(const ScatolaInDisegno&) = delete;

private:
    bool aperta_ = false;
};

}  // namespace mrvelto
