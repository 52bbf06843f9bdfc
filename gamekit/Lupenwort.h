#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLabel;
class QWidget;

namespace varku {

// Ein gezeigtes Wort mit seiner Lupe um die Buchstaben, um die es der Kategorie geht. Es merkt
// sich Wort und Stelle; bekommt das Wortfeld seine Größe (erst mit dem Fenster) oder eine neue,
// passt es die Schrift an und legt die Lupe neu; rückt es nur, geht die Lupe mit.
class Lupenwort : public QObject {
public:
    // passeSchrift passt die Schrift des Feldes an das Wort an; rand: Twips links und rechts
    // über die Buchstaben hinaus
    Lupenwort(QLabel& wortFeld, QWidget& lupe, double rand,
              std::function<void(const QString& wort)> passeSchrift);

    // ein neues Wort: Schrift und Lupe passen neu
    void zeige(const QString& wort);
    // die Lupe um die Buchstaben von bis bis (ab 1) des Wortes; ohne Lupe, mit 0, 0 oder einer
    // Stelle außerhalb des Wortes keine
    void markiere(const QString& wort, int von, int bis, bool an);
    const QString& wort() const { return m_wort; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void ordneFeldAn();
    void legeLupe();

    QLabel& m_feld;
    QWidget& m_lupe;
    double m_rand;
    std::function<void(const QString&)> m_passeSchrift;
    QString m_wort;
    int m_von = 0, m_bis = 0;
    bool m_an = false;
};

// Legt die Lupe um die Buchstaben von bis bis (ab 1) des Wortes in seinem Feld, rand Twips links
// und rechts über die Buchstaben hinaus. Ohne Lupe, mit 0, 0 oder einer Stelle außerhalb des
// Wortes bleibt sie verborgen. Die Lupe liegt in einem Fenster, in dem auch das Feld liegt.
void legeLeseLupe(QWidget& lupe, const QLabel& wortFeld, const QString& wort, int von, int bis,
                  bool an, double rand);

} // namespace varku
