#pragma once

#include <QString>
#include <array>
#include <functional>

namespace varku {

// Klänge zu festen Ereignisnamen; welche Datei zu welchem Namen gehört, steht im Abschnitt
// [Sound] der Konfigurationsdatei. "<NULL>" heißt Stille.
struct SoundEintrag {
    QString name;
    QString datei;
};

extern std::array<SoundEintrag, 15> SoundTabelle;

// die 15 Namen in ihrer Reihenfolge, alle still
void initSoundTabelle();
// initSoundTabelle, dann [Sound] aus ProgPfad/Varku.ini lesen; die Klänge der Ereignisse
// werden dabei vorab geladen, damit sie auch spielen, während das Programm wartet
void ladeSoundIni();
// Liest die Klänge, die [Sound] nennt, schon ins Klanggerät, ohne die Tabelle anzurühren (etwa
// während das Logo steht): ladeSoundIni nimmt dann, was sich seitdem nicht geändert hat. Eine
// fehlende Einstellungsdatei bleibt hier still.
void ladeKlaengeVorab();

// Wer fragt, ob Klänge an sind: das Rahmenprogramm fragt seinen Einstellungsdialog,
// die Spiele ihre Einstellung.
void setzeTonSchalter(std::function<bool()> tonEin);

// spielt den Klang des Ereignisses, wenn Klänge an sind und es nicht still ist
void spieleSound(const QString& name);
// spielt ProgPfad/Sound/<datei>.WAV, ohne zu warten
void spieleWav(const QString& datei);
// spielt ProgPfad/Sound/<datei>.WAV und wartet sein Ende ab, auch bei ausgeschalteten Klängen
void spieleWavWarten(const QString& datei);
// am Programmende: das Klanggerät schließen
void schliesseSound();

// Was der Benutzer erfährt, wenn ein Klang, eine Aufnahme oder ein gesprochenes Wort nicht zu
// hören ist, weil es keine Tonausgabe gibt.
inline const QString OhneTonHinweisText =
    QStringLiteral("Auf diesem Computer ist keine Tonausgabe eingerichtet.\rEs geht ohne "
                   "Ton weiter.");

// Wer es dem Benutzer sagt: gerufen beim ersten Mal, dass etwas mangels Tonausgabe nicht zu
// hören ist, danach nicht wieder; die Übung geht weiter. Ein neu gesetzter Hinweis beginnt
// wieder beim ersten Mal. Ein leerer schweigt.
void setzeOhneTonHinweis(std::function<void()> hinweis);

} // namespace varku
