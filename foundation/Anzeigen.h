#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>
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
