#pragma once

#include <QImage>
#include <QWidget>

namespace varku {

// Ein Zeigerinstrument mit auswechselbarem Zifferblatt: der Punktemesser des Rahmenprogramms
// (0 bis 1000 Punkte, Nadel mit kurzem Ende) und die Ratezeituhr der Spiele (ein Blatt für
// eingeschaltet, eines für ausgeschaltet). Die Nadel folgt der Regel in Twips.
class Zeigerinstrument : public QWidget {
    Q_OBJECT
public:
    enum class Blatt { Punkte, RatezeitAn, RatezeitAus };

    Zeigerinstrument(Blatt blatt, QWidget* eltern);

    void setzeBlatt(Blatt blatt);
    Blatt blatt() const { return m_blatt; }
    // drawVuZeiger: die Nadel für einen Wert von 0 bis 1000
    void setzeWert(int wert);
    int wert() const { return m_wert; }
    void setzeZeigerSichtbar(bool sichtbar);

    // das Instrument in dieser Größe gezeichnet, ohne Bildschirm
    QImage alsBild(int groesse) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void zeichne(QPainter& p, double breite) const;
    void zeichneBlatt(QPainter& p, double breite) const;
    void zeichneNadel(QPainter& p, double breite) const;

    Blatt m_blatt;
    // Das Blatt ändert sich nur mit Größe und Art, die Nadel mit jedem Wert: gezeichnet wird das
    // Blatt einmal, danach nur noch kopiert.
    QImage m_blattBild;
    Blatt m_bildBlatt = Blatt::Punkte;
    int m_wert = 0;
    bool m_zeigerSichtbar = true;
};

} // namespace varku
