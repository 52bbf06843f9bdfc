#pragma once

#include "foundation/Einstellungen.h"

#include <QString>
#include <cstdint>

namespace varku {

// Die Abschnitte [Varku] und [TextToSpeech] der Konfigurationsdatei als Werte.

struct VarkuEinstellungen {
    QString TextFontName;
    double TextFontGroesse = 0;
    bool TextFontFett = false;
    bool TextFontKursiv = false;
    bool Nachschreiben = false; // an: abschreiben, aus: diktieren
    bool LeseLupe = false;
    int16_t Schwierigkeitsgrad = 0; // 0 einfach, 1 mittel, 2 schwer
    bool TonEinschalten = false;
    bool EinstellungenSpeichern = false;
    bool BeispielSatz = false;
    bool TextToSpeech = false;
    bool SprachAusgabeSatz = false;
    bool AutoDialog = false;
};

struct SprachEinstellungen {
    int16_t Modus = 0; // Stimme, ab 1
    int32_t Lautstaerke = 0;
    int16_t Geschwindigkeit = 0;
    int16_t Stimmlage = 0;
    bool TranskripteWoerter = false;
    bool TranskripteSaetze = false;

    // welche Werte der Stimme gesetzt sind (aus der Datei oder ergänzt); eine gelesene 0 gilt
    bool ModusGelesen = false;
    bool LautstaerkeGelesen = false;
    bool GeschwindigkeitGelesen = false;
    bool StimmlageGelesen = false;
};

// Was [TextToSpeech] nicht nennt, nimmt die Sprachausgabe von sich aus: Stimme 1 und ihre
// normale Lautstärke, Geschwindigkeit und Stimmlage (sonst spräche ein Diktat ohne den
// Abschnitt mit Lautstärke 0). Danach gelten die Werte als gesetzt.
void ergaenzeSprachStandard(SprachEinstellungen& e, long lautstaerke, int geschwindigkeit,
                            int stimmlage);

const Einstellungsabschnitt<VarkuEinstellungen>& varkuAbschnitt();
const Einstellungsabschnitt<SprachEinstellungen>& sprachAbschnitt();

// lesen und neu schreiben in der Konfigurationsdatei iniDatei
void loadVarkuIni(const QString& iniDatei, VarkuEinstellungen& e);
void saveVarkuIni(const QString& iniDatei, const VarkuEinstellungen& e);
void loadTextToSpeechIni(const QString& iniDatei, SprachEinstellungen& e);
void saveTextToSpeechIni(const QString& iniDatei, const SprachEinstellungen& e);

} // namespace varku
