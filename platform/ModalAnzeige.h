#pragma once

class QWidget;

namespace varku {

// Zeigt ein Fenster modal und kehrt zurück, wenn das Programm es verborgen oder geschlossen hat
// (Minimieren zählt nicht). Geht das Programm nach einem Laufzeitfehler zu Ende, öffnet sich kein
// Fenster mehr: jeder Aufruf kehrt sofort zurück.
class ModalAnzeige {
public:
    virtual ~ModalAnzeige() = default;
    virtual void zeigeModal(QWidget& fenster) = 0;
    // Beendet das modale Zeigen, ohne das Fenster zu verbergen: zeigeModal kehrt zurück, das
    // Fenster steht weiter, sperrt aber nichts mehr und öffnet kein weiteres Fenster. So kann
    // es stehen bleiben, bis das nächste Fenster über ihm gezeichnet ist; verbergen muss es dann
    // das Programm.
    virtual void entlasse(QWidget& fenster) = 0;
    // ohne Warten zeigen (Hintergrundfenster)
    virtual void zeige(QWidget& fenster) = 0;
};

} // namespace varku
