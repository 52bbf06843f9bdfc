#pragma once

#include "games/crossword/Kreuzwortgitter.h"
#include "games/crossword/Steinlage.h"

#include <QWidget>
#include <memory>

namespace varku::dienste {
class Beobachtung;
}

namespace varku::wendomar {

// Das Brett des Kreuzworträtsels als ein Bild mit seiner Ablage rechts daneben: die Zellen mit
// den Bonusfeldern, die festen Steine und Stoppsteine, der Rahmen um das Wort, das gelegt wird,
// und seine beweglichen Steine. Ein Stein wird mit der Maus gezogen: drücken, ziehen, loslassen
// über dem Brett oder der Ablage. Was das Ziehen ändert, entscheiden die Regeln der Steinlage;
// ein Stein, den sie nicht nehmen, springt zurück.
class Kreuzwortbrett : public QWidget {
    Q_OBJECT
public:
    Kreuzwortbrett(const Kreuzwortgitter& gitter, Steinlage& steine, QWidget* eltern);
    ~Kreuzwortbrett() override;

    // Die Zelle unter einem Punkt eines Bildes in Twips, im Raster von 448 Twips ab 30 Twips
    // Rand. Ein Punkt im Rand liegt vor der ersten Zelle: Spalte oder Zeile 0 oder darunter.
    static Zelle zelleUnter(double xTwips, double yTwips);
    // die Rechtecke einer Zelle des Bretts und eines Platzes der Ablage
    QRect zellenRechteck(int spalte, int zeile) const;
    QRect ablageRechteck(int spalte, int zeile) const;
    // wo Stein n gerade liegt; ein leeres Rechteck, wenn es ihn nicht gibt
    QRect steinRechteck(int n) const;
    // die Steine sind nicht zu ziehen, etwa während der Computer legt
    void setzeGesperrt(bool gesperrt);
    // der Stein, der gerade an der Maus hängt; -1, wenn keiner
    int gezogenerStein() const;
    // Das Ziehen endet ohne Zug: der Stein liegt wieder, wo er lag. So, wenn ein Fenster über
    // dem Spiel aufgeht, denn das Loslassen der Maus bekäme das Brett nicht mehr.
    void brichZiehenAb();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // ein Stein hat seinen Platz gewechselt
    void gelegt();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QRect brettBild() const;
    QRect ablageBild() const;
    int steinUnter(QPoint p) const;
    QRect gezogenRechteck() const;

    const Kreuzwortgitter& m_gitter;
    Steinlage& m_steine;
    bool m_gesperrt = false;
    int m_gezogen = -1;     // der gezogene Stein
    int m_griffAuslage = 0; // die Auslage der Steinlage, aus der er gegriffen wurde
    QPoint m_griff;         // wo der Zeiger den Stein hält
    QPoint m_zeiger;
    std::unique_ptr<dienste::Beobachtung> m_modal;
};

} // namespace varku::wendomar
