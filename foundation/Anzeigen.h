#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace varku {

// Lampen und Ziffernanzeigen der Hauptfenster.

// Die drei Zustände einer Lampe
enum class Lampenzustand { Aus = 0, Rot = 1, Gruen = 2, Gelb = 3 };

// das Bild einer Lampe in einer Größe in Pixeln
QPixmap lampenBild(Lampenzustand zustand, int groesse);
// das Bild der Sprachausgabe
QPixmap lautsprecherBild(int groesse);

// Eine Lampe: ein Bild, das seinen Zustand kennt
class Lampe : public QLabel {
    Q_OBJECT
public:
    explicit Lampe(QWidget* eltern, int groesse = 36);
    void setzeZustand(Lampenzustand z);
    Lampenzustand zustand() const { return m_zustand; }

private:
    int m_groesse;
    Lampenzustand m_zustand = Lampenzustand::Aus;
};

class Timer;

// Eine blinkende Lampe: im Takt wechselt sie zwischen zwei Zuständen, so viele Schritte, wie
// das Muster will, oder bis sie angehalten wird; dann zeigt sie den Endzustand. Ihr Zeitgeber
// kommt von der Uhr selbst: eine Meldung, die über dem Spiel steht, hält ihn nicht an.
class Blinklampe {
public:
    // sofort: blinke() zeigt hell gleich, sonst erst mit dem ersten Takt
    Blinklampe(Lampe& lampe, int taktMs, bool sofort = true);
    ~Blinklampe();
    Blinklampe(const Blinklampe&) = delete;
    Blinklampe& operator=(const Blinklampe&) = delete;

    // hell und dunkel im Wechsel; nach so vielen Wechseln zeigt sie ende und hält an, mit 0
    // blinkt sie, bis sie angehalten wird. Ein neues Blinken beginnt von vorn.
    void blinke(Lampenzustand hell, Lampenzustand dunkel, int schritte = 0,
                Lampenzustand ende = Lampenzustand::Aus);
    // hält an und zeigt den Zustand
    void halte(Lampenzustand z);
    bool blinkt() const;

    // nach dem letzten Wechsel
    std::function<void()> beiEnde;

private:
    void takt();

    Lampe& m_lampe;
    std::unique_ptr<Timer> m_timer;
    bool m_sofort;
    Lampenzustand m_hellZ = Lampenzustand::Aus, m_dunkelZ = Lampenzustand::Aus,
                  m_endeZ = Lampenzustand::Aus;
    int m_schritte = 0;
    bool m_hell = false;
    int m_schritt = 0;
};

// Eine Reihe einzelner Ziffernfelder, gelb auf dunklem Grund; mit Komma steht eines zwischen
// den mittleren Ziffern. Die Felder heißen <name><k>.
class Ziffernanzeige : public QWidget {
    Q_OBJECT
public:
    Ziffernanzeige(const QString& name, int stellen, bool komma, QWidget* eltern);
    // die Zeichen, eines je Feld, von links; fehlende Felder bleiben leer
    void zeige(const QString& ziffern);
    void setzeFarbe(const QColor& farbe);
    QColor farbe() const { return m_farbe; }
    const std::vector<QLabel*>& felder() const { return m_felder; }
    QString text() const;

    // Entwurfsmaße eines Feldes in Twips
    static constexpr double feldBreite = 420, feldAbstand = 480, feldHoehe = 660, kommaBreite = 120;

private:
    std::vector<QLabel*> m_felder;
    QColor m_farbe;
};

} // namespace varku
