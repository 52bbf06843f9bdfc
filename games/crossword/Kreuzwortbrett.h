#pragma once

#include "games/crossword/Kreuzwortgitter.h"

#include <QWidget>

namespace varku::wendomar {

// Das Brett des Kreuzworträtsels als ein Bild: die Zellen, die Buchstaben der gelegten Wörter
// und die Zellen, in die das nächste Wort gehört. Es malt, was das Gitter hat.
class Kreuzwortbrett : public QWidget {
    Q_OBJECT
public:
    Kreuzwortbrett(const Kreuzwortgitter& gitter, QWidget* eltern);
    // das Rechteck einer Zelle (Spalte 1 bis 14, Zeile 1 bis 11 von oben)
    QRect zellenRechteck(int spalte, int zeile) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const Kreuzwortgitter& m_gitter;
};

} // namespace varku::wendomar
