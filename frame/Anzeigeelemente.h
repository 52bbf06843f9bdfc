#pragma once

#include <QLineEdit>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace varku {

// Das Zifferblatt des Punktemessers mit seiner Skala von 0 bis 1000 und dem Zeiger
class Punktemesser : public QWidget {
    Q_OBJECT
public:
    explicit Punktemesser(QWidget* eltern);
    void setzePunkte(int punkte);
    int punkte() const { return m_punkte; }
    bool zeigerSichtbar = false;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_punkte = 0;
};

// Das Schreibfeld meldet jede getippte Taste, bevor sie ins Feld geht; auch Umlaute aus
// Tottasten und Eingabemethoden zählen, denn es zählt der eingegebene Text, nicht der Tastencode.
class Schreibfeld : public QLineEdit {
    Q_OBJECT
public:
    explicit Schreibfeld(QWidget* eltern);
    // bekommt den Zeichencode (13 für Enter) und sagt, ob die Taste ins Feld darf
    std::function<bool(int)> beiTaste;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
};

// die drei Bilder einer Lampe: 0 aus, 1 rot, 2 grün
QPixmap lampenBild(int zustand, int groesse);
// das Bild der Sprachausgabe
QPixmap lautsprecherBild(int groesse);

} // namespace varku
