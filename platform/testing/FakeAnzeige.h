#pragma once

#include "platform/ModalAnzeige.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

class QWidget;

namespace varku::test {

// Statt einer modalen Schleife: das Fenster wird gezeigt, das nächste Skript des Tests läuft
// (es drückt Knöpfe), dann kehrt der Aufruf zurück. Ohne Skript wird das Fenster verborgen.
// Geht das Programm nach einem Laufzeitfehler zu Ende, kehrt der Aufruf sofort zurück.
class FakeAnzeige : public ModalAnzeige {
public:
    using Skript = std::function<void(QWidget&)>;

    void zeigeModal(QWidget& fenster) override;
    // merkt sich das Fenster; der Aufruf kehrt ohnehin nach dem Skript zurück
    void entlasse(QWidget& fenster) override;
    void zeige(QWidget& fenster) override;

    void dann(Skript s) { m_skripte.push_back(std::move(s)); }
    // drückt im Fenster den Knopf mit diesem Objektnamen
    void dannKlicke(const QString& knopf);
    bool skripteVerbraucht() const { return m_skripte.empty(); }

    // Objektnamen der gezeigten Fenster, modale mit "modal:" davor
    QStringList protokoll;
    // Fenster, die ohne Skript kamen
    QStringList ohneSkript;
    // Fenster, deren modales Zeigen ohne Verbergen endete
    QStringList entlassen;

private:
    std::deque<Skript> m_skripte;
};

// drückt den Knopf mit dem Objektnamen im Fenster (mit der Maus, wie ein Kind)
void klicke(QWidget& fenster, const QString& knopf);

} // namespace varku::test
