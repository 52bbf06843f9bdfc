#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace varku {

// Das Bild des Hintergrundfensters in Bildpunkten des Schirms. Ein großes PNG zu entpacken und
// zu skalieren kostet beim Start mehr als alles andere; darum geschieht es einmal je Bild und
// Schirmgröße, und das fertige Bild liegt danach roh in einer Datei im Ablageordner, aus der es
// beim nächsten Start ohne Rechnen eingeblendet wird. Hat sich die Quelle geändert (Größe oder
// Zeit), ist die Datei kaputt oder fremd, wird neu gerechnet; lässt sich nichts ablegen, bleibt
// es beim Rechnen. Das Bild ist leer, wenn die Quelle fehlt oder kein Bild ist.
// Alles hier kommt ohne Fenster aus (nur QImage) und darf in einem eigenen Faden laufen.
struct Hintergrundbild {
    QImage bild;
    // aus der Ablage eingeblendet: Zeilen lassen sich nach dem Zeichnen freigeben
    bool eingeblendet = false;
    // neu gerechnet: gehört abgelegt (legeHintergrundbildAb)
    bool neu = false;
};
Hintergrundbild ladeHintergrundbild(const QString& quelle, const QSize& groesse,
                                    const QString& ablage);
// Legt ein neu gerechnetes Bild für den nächsten Start ab: erst ganz geschrieben, dann unter
// seinem Namen, so bleibt bei einem Abbruch die alte Datei oder keine.
void legeHintergrundbildAb(const Hintergrundbild& b, const QString& quelle, const QString& ablage);

// Gibt die Zeilen [von, bis) eines eingeblendeten Bildes an das System zurück: gezeichnet
// braucht sie keiner mehr im Speicher. Das Bild bleibt gültig; wer sie wieder liest, bekommt sie
// aus der Datei. Ein gerechnetes Bild bleibt, wie es ist.
void gibZeilenFrei(const Hintergrundbild& b, int von, int bis);

// Der Name der Datei, in der das Bild dieser Quelle in dieser Größe abgelegt wird.
QString hintergrundAblageName(const QString& quelle, const QSize& groesse);

} // namespace varku
