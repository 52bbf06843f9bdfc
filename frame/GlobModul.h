#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace varku {

// Zustand des Rahmenprogramms über alle Fenster hinweg

extern QString UserPfad;   // ProgPfad/User
extern QString SprachPfad; // ProgPfad/Sprache
extern bool uebungGewaehlt;
extern int ErledigtAnz;
extern QDateTime sitzungsBeginn;
extern int nSpieler;
extern int SitzungsPunkte;
extern int protokollDateiNr;

// Einstellungen aus [Varku]
extern QString TextFontName;
extern double TextFontGroesse;
extern bool TextFontFett;
extern bool TextFontKursiv;
extern bool Nachschreiben; // an: abschreiben, aus: diktieren
extern bool LeseLupe;
extern int16_t Schwierigkeitsgrad;
extern bool TonEinschalten;
extern bool EinstellungenSpeichern;
extern bool BeispielSatz;
extern bool TextToSpeech;
extern bool SprachAusgabeSatz;
extern bool AutoDialog;

// Einstellungen aus [TextToSpeech]
extern int16_t Modus;
extern int32_t Lautstaerke;
extern int16_t Geschwindigkeit;
extern int16_t Stimmlage;
extern bool TranskripteWoerter;
extern bool TranskripteSaetze;

// von den Einstellungsdialogen gesetzt; am Ende wird dann geschrieben
extern bool varkuIniGeaendert;
extern bool sprachIniGeaendert;

// alles auf den Stand beim Programmstart (auch für Tests)
void setzeStartwerte();

} // namespace varku
