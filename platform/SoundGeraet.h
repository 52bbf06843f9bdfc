#pragma once

#include <QString>

namespace varku {

// Das Klanggerät: eine WAV-Datei spielen, mit oder ohne Warten, und am Ende schließen.
class SoundGeraet {
public:
    virtual ~SoundGeraet() = default;
    // kehrt sofort zurück; ein neuer Klang ersetzt einen noch laufenden
    virtual void spiele(const QString& datei) = 0;
    // kehrt zurück, wenn der Klang zu Ende ist (Länge aus dem Dateikopf)
    virtual void spieleUndWarte(const QString& datei) = 0;
    virtual void schliesse() = 0;
};

} // namespace varku
