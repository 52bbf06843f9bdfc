#pragma once

#include "frame/VarkuIni.h"

#include <QString>

namespace varku {

// Was das ganze Rahmenprogramm kennt: seine Ordner und die Einstellungen aus [Varku] und
// [TextToSpeech]. Die Einstellungsdialoge ändern nur diese Werte und setzen ihr Merkzeichen;
// geschrieben wird am Programmende.
struct GlobModul {
    QString UserPfad;   // ProgPfad/User
    QString SprachPfad; // ProgPfad/Sprache
    VarkuEinstellungen einst;
    SprachEinstellungen sprache;
    bool varkuIniGeaendert = false;
    bool sprachIniGeaendert = false;

    // ProgPfad/Varku.ini
    static QString iniDatei();
    // die Ordner im Programmordner
    void setzePfade();
};

} // namespace varku
