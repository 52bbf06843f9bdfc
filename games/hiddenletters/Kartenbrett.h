#pragma once

#include "games/hiddenletters/Kartenspiel.h"

#include <QPixmap>
#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace varku {
class Lampe;
class Lupenwort;
class Ziffernanzeige;
} // namespace varku

namespace varku::kartomin {

// Die 25 Karten als ein einziges Bild, mit der Markierung FldCurs für die Tastatur. Es malt, was
// die Regeln sagen; ein Druck mit der Maus auf eine Karte meldet es mit ihrem Index und Knopf.
class Kartenfeld : public QWidget {
    Q_OBJECT
public:
    Kartenfeld(const Kartenspiel& spiel, QWidget* eltern);

    // das Rechteck der Karte i im Feld, wie das Feld gerade groß ist
    QRect kartenRechteck(int i) const;
    // die Karte unter einem Punkt; -1 daneben
    int karteBei(const QPoint& p) const;
    // die Markierung FldCurs, nur mit der Einstellung zu sehen
    void zeigeMarke(bool an);
    bool markeSichtbar() const { return m_markeAn; }
    QRect markenRechteck() const;
    // malt eine Karte gleich, nicht erst mit der nächsten Runde der Ereignisse
    void zeichneKarteSofort(int i);
    void zeigeKarte(int i);
    // die Bilder der Joker, 1 bis 3
    void setzeJokerBild(int nr, const QPixmap& bild);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void karteGedrueckt(int index, Qt::MouseButton knopf);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // Twips des Entwurfs in Pixel des Feldes
    QRect rechteck(double links, double oben, double breite, double hoehe) const;
    void maleKarte(QPainter& p, int i) const;

    const Kartenspiel& m_spiel;
    bool m_markeAn = false;
    double m_massstab = 1.0 / 15; // Pixel je Twip
    QPoint m_ursprung;
    std::array<QPixmap, jokerBilder> m_joker;
};

// Das Brett des Kartenspiels: gesucht und gefunden, jedes mit dem Kontext vor dem Wort, die Lupe,
// das Feld und der Bonus mit dem Einsatz, seinen Lampen und dem Knopf "&Risiko". Die Knöpfe
// verbindet das Fenster.
class Kartenbrett : public QWidget {
    Q_OBJECT
public:
    Kartenbrett(const Kartenspiel& spiel, QWidget* eltern);

    QGroupBox* SuchWortFrame;
    QLabel* SuchKontLbl;
    QLabel* SuchWortLbl;
    QGroupBox* FundWortFrame;
    QLabel* FundKontLbl;
    QLabel* FundWortLbl;
    QWidget* LeseLupe;
    Kartenfeld* FldFrame;
    QGroupBox* Frame3;
    Ziffernanzeige* RisikoZiff;
    Lampe* RisikoEinImg;
    Lampe* RisikoAusImg;
    QPushButton* RisikoBtn;

    // ein neues Wort mit seinem Kontext; gefunden ist noch nichts. Die Schrift wird von 20 (das
    // Wort) und 8 Punkten (der Kontext) an kleiner, bis beides in den Rahmen passt, das Wort nie
    // unter 6 Punkte; die Lupe liegt um die Buchstaben von bis bis
    void zeigeWort(const QString& wort, const QString& kontext, int von, int bis, bool lupeAn);
    // die gefundenen Buchstaben unter dem Wort
    void zeigeGefunden(const QString& gefunden);
    // der Einsatz, drei Ziffern
    void zeigeEinsatz(int einsatz);

private:
    // gesucht und gefunden in derselben Schrift, gefunden genau unter gesucht
    void passeSchriftenAn(const QString& wort);

    Lupenwort* m_lupenwort;
};

// Ein Jokerbild aus dem Grafikordner, gefunden nach seinem Namen ohne Endung ("JOKER1"), in
// einer Form, die sich lesen lässt. Fehlt es, ist das ein Laufzeitfehler, der es nennt.
QPixmap ladeJokerBild(int nr);

} // namespace varku::kartomin
