#pragma once
// The main window: draws the table and forwards the player's input to the core.
#include <QWidget>

namespace mrvelto {

class FinestraPrincipale : public QWidget {
    Q_OBJECT
public:
    // The table's size in twips; 15 twips make a pixel at 100 %.
    static constexpr int kLarghezzaTwip = 12000;
    static constexpr int kAltezzaTwip = 9500;
    static constexpr int kTwipPerPixel = 15;

    explicit FinestraPrincipale(QWidget* parent = nullptr);
    QColor ColoreTavolo() const { return coloreTavolo_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor coloreTavolo_;
};

}  // namespace mrvelto
