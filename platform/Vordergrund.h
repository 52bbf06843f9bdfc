#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>

class QWidget;

namespace varku {

// Wer ein Fenster anklickt oder aktiviert, das gerade nichts annimmt (ein Hintergrund, ein
// wartendes Programm), meint das Fenster, das die Eingaben bekommt. Der Melder ruft beiGriff,
// wenn das Fenster angeklickt wird oder den Fokus bekommt, auch wenn ein modales Fenster es
// sperrt: unter X11 sieht er dafür die Ereignisse des Servers, bevor Qt sie verwirft.
class Griffmelder : public QObject, public QAbstractNativeEventFilter {
public:
    Griffmelder(QWidget& fenster, std::function<void()> beiGriff);
    ~Griffmelder() override;

    bool nativeEventFilter(const QByteArray& art, void* nachricht, qintptr* ergebnis) override;
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    QWidget& m_fenster;
    std::function<void()> m_beiGriff;
};

// Holt unter X11 die sichtbaren Fenster eines anderen Prozesses nach vorn, in ihrer
// Reihenfolge, und gibt dem obersten die Tastatur; mit Fenstermanager auch aus der
// Verkleinerung. Ohne X11 oder ohne solche Fenster geschieht nichts.
void holeFensterNachVorn(qint64 prozess);

} // namespace varku
