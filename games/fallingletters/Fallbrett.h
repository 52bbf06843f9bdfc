#pragma once

#include "games/fallingletters/Fallspiel.h"

#include <QWidget>
#include <memory>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace varku {
class Blinklampe;
class Lampe;
class Lupenwort;
class Ziffernanzeige;
} // namespace varku

namespace varku::dolmix {

// Das Feld als ein einziges Bild: es malt die Steine, wie die Regeln sie haben, keinen Stein als
// eigenes Fenster. Nach einem Schritt malt es nur die Zellen neu, die sich geändert haben.
class Spielfeldflaeche : public QWidget {
    Q_OBJECT
public:
    Spielfeldflaeche(const Fallspiel& spiel, QWidget* eltern);
    // Kantenlänge einer Zelle in Pixeln, wie das Feld gerade steht
    int zelle() const;
    // das Rechteck der Zelle (Spalte, Zeile) im Feld
    QRect zellenRechteck(int spalte, int zeile) const;
    void zeigeZellen(const std::vector<std::pair<int, int>>& zellen);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    const Fallspiel& m_spiel;
    // mit jeder Größe einmal bestimmt: die Zelle und die linke obere Ecke des Feldes
    int m_zelle;
    QPoint m_ursprung;
};

// Das Brett des Fallspiels: das Wort mit seiner Lupe, das Feld, Start und Pause, die Warnung und
// die Zähler für Wörter und Reihen. Es zeigt, was das Spiel sagt; die Knöpfe verbindet das
// Fenster.
class Fallbrett : public QWidget {
    Q_OBJECT
public:
    Fallbrett(const Fallspiel& spiel, QWidget* eltern);
    ~Fallbrett() override;

    QGroupBox* UebWortFrame;
    QLabel* UebWortLbl;
    QFrame* LeseLupe;
    Spielfeldflaeche* SpFld;
    QPushButton* StartBtn;
    QPushButton* PauseBtn;
    Lampe* WarnLampe;
    QLabel* WarnText;
    Ziffernanzeige* wortZiff;
    Ziffernanzeige* zeilenZiff;

    // das Wort, von 18 Punkten an so klein, dass es passt, höchstens bis 8 Punkte
    void zeigeWort(const QString& wort);
    // die Lupe um die Buchstaben von bis bis (ab 1); 0, 0 oder eine Stelle außerhalb: keine
    void markiereLupenStelle(const QString& wort, int von, int bis, bool lupeAn);
    // Start und Pause, wie das Spiel läuft
    void zeigeLauf(bool laeuft);
    // die Warnung: "drehen" in Rot und die Lampe blinkt rot und gelb, bis sie aus ist
    void zeigeWarnung(bool ein);
    bool warnt() const;
    void zeigeZaehler(int woerter, int zeilen);

private:
    Lupenwort* m_lupenwort;
    std::unique_ptr<Blinklampe> m_warnBlinker;
};

} // namespace varku::dolmix
