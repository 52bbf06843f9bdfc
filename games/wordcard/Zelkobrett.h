#pragma once

#include "games/wordcard/Zelkospiel.h"

#include <QWidget>
#include <array>
#include <memory>

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace varku {
class Blinklampe;
class Lampe;
class Ziffernanzeige;
} // namespace varku

namespace varku::zelko {

// Grundfarbe und Farbe eines markierten Feldes für die Plätze 0 bis 3; 4 ist das Grau einer Karte
// ohne Spieler
QColor grundFarbe(int spieler);
QColor markFarbe(int spieler);
// Das Bild einer Karte in den Farben des Platzes: Rand, Kopf mit Z E L K O, Reihennummern
QPixmap kartenBild(int spieler, QSize groesse);

// Eine Karte: das Bild des Spielers und darauf seine 25 Felder, die markierten in seiner
// Markierfarbe; auf der großen Karte ist das aufgerufene Feld umrandet.
class Kartenfeld : public QWidget {
    Q_OBJECT
public:
    Kartenfeld(int tafel, QWidget* eltern);

    // spieler -1: kein Spieler, die Karte ist grau
    void zeige(int spieler, const QString& name, const std::array<bool, kartenFelder + 1>& marken,
               int aufgerufen);
    int spieler() const { return m_spieler; }
    const QString& name() const { return m_name; }
    bool markiert(int feld) const { return m_marken[size_t(feld)]; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QRect kartenRechteck() const;

    int m_tafel;
    int m_spieler = -1;
    QString m_name;
    std::array<bool, kartenFelder + 1> m_marken{};
    int m_aufgerufen = 0;
};

// Die Zeile mit dem Wort vor der Lücke: Kontext, Lückenwort mit vier Leerzeichen und darunter die
// Lückenmarke, so groß, wie die Breite erlaubt (22 bis 12 Punkte)
class Lueckenzeile : public QWidget {
    Q_OBJECT
public:
    explicit Lueckenzeile(QWidget* eltern);
    QLabel* KontextLbl;
    QLabel* LueckWortLbl;
    QFrame* LueckenMarke;
    void zeige(const QString& kontext, const QString& vorDerLuecke, const QString& nachDerLuecke);
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void lege();
    QString m_kontext, m_vor, m_nach;
};

// Das Brett des Kartenspiels: die vier Karten, das aufgerufene Feld, das Lückenwort mit seinem
// Satz, die Füllungen, "einsetzen", der Lösungstipp, die Lampen und die Zelkos. Es zeigt, was
// die Regeln halten.
class Zelkobrett : public QWidget {
    Q_OBJECT
public:
    Zelkobrett(const Zelkospiel& spiel, QWidget* eltern);
    ~Zelkobrett() override;

    std::array<Kartenfeld*, kartenSpieler> spFldFrame;
    QLabel* FeldKennungLbl;
    Lueckenzeile* LueckZeile;
    QGroupBox* LueckSatzFrame;
    QLabel* LueckSatzLbl;
    QListWidget* wLueckGrLst;
    QPushButton* einsetzenBtn;
    QPushButton* LoesTippBtn;
    Lampe* falschImg;
    QLabel* falschLbl;
    Lampe* ZelkoImg;
    QLabel* ZelkoLbl;
    Lampe* ladenImg;
    QLabel* ladenLbl;
    Ziffernanzeige* zelkZiff;

    // das Lückenwort, sein Satz mit "__" und die Füllungen, keine gewählt
    void zeigeLueckensatz();
    // der Zug: das aufgerufene Feld, die Karten ab dem Spieler am Zug, seine Zelkos, die Füllung,
    // die seine Buchstaben wählen
    void zeigeZug();
    // vorn die Karte des Spielers am Zug, dahinter die der anderen in Zugreihenfolge
    void zeigeKarten();
    void zeigeZelkos();
    // die Füllung, die die getippten Buchstaben wählen; ohne keine
    void zeigeWahl();
    // die Lampen, wie die Regeln sie haben: "Fehler" und "Zelko" blinken sechsmal
    void zeigeLampen();
    bool blinkt() const;

signals:
    // eine Lampe hat zu Ende geblinkt
    void blinkenVorbei();

private:
    // die Beschriftung einer Lampe leuchtet mit ihr
    void zeigeLampenText(QLabel* text, bool an);

    const Zelkospiel& m_spiel;
    std::unique_ptr<Blinklampe> m_fehlerBlinker;
    std::unique_ptr<Blinklampe> m_zelkoBlinker;
};

// Der Satz, in dem das Lückenwort mit "__" steht; ein Satz ohne "@" bleibt leer
QString lueckenSatz(const Luecke& l);

} // namespace varku::zelko
