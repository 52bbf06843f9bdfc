#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace varku {

// Gibt es keine Tonausgabe, melden Klanggerät und Sprachausgabe jeden Klang, jede Aufnahme und
// jedes Wort, das deshalb nicht zu hören ist, hierhin. Was der Benutzer davon erfährt, entscheidet
// die Grundlage; die Plattform zeigt kein Fenster.
inline std::function<void()>& ohneTonMelder() {
    static std::function<void()> melder;
    return melder;
}
inline void setzeOhneTonMelder(std::function<void()> melder) {
    ohneTonMelder() = std::move(melder);
}
inline void meldeOhneTon() {
    // eine Kopie: der Melder darf sich beim Melden selbst ersetzen
    const std::function<void()> melder = ohneTonMelder();
    if (melder)
        melder();
}

// Das Klanggerät: eine WAV-Datei spielen, mit oder ohne Warten, und am Ende schließen.
class SoundGeraet {
public:
    virtual ~SoundGeraet() = default;
    // Liest die Klänge der Ereignisse vorab und behält sie bis zum nächsten Aufruf: ein Klang,
    // der kurz vor einem Warten beginnt, ist dann sofort da und spielt während des Wartens.
    virtual void lade(const QStringList& dateien) = 0;
    // kehrt sofort zurück; ein neuer Klang ersetzt einen noch laufenden
    virtual void spiele(const QString& datei) = 0;
    // kehrt zurück, wenn der Klang zu Ende ist (Länge aus der Datei, auch ohne Tonausgabe)
    virtual void spieleUndWarte(const QString& datei) = 0;
    virtual void schliesse() = 0;
    // false, wenn der Rechner keine Tonausgabe hat
    virtual bool ausgabeMoeglich() = 0;
    // sucht die Tonausgabe schon jetzt, ohne etwas hören zu lassen: der erste Klang kommt dann
    // ohne diese Wartezeit
    virtual void bereiteVor() {}
};

} // namespace varku
