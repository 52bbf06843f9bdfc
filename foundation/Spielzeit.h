#pragma once

#include <QString>

namespace varku {

// Die höchste Spieldauer aus [Spiele] und die Zeit zwischen zwei Uhrzeiten.

// Sekunden von anfang bis ende, beide seit Mitternacht; auch über Mitternacht hinweg
long sekundenZwischen(long anfang, long ende);

// Das Rahmenprogramm: MaximaleSpielDauer in Minuten, wie sie steht (bis zum nächsten
// Abschnitt, der letzte Eintrag gewinnt); 0, wenn sie fehlt. Zu große Werte werden auf
// 32767 begrenzt.
int leseMaxSpielDauer(const QString& iniDatei);

// Die Spiele: der Schritt des Spielzeitbalkens in Twips je Sekunde aus MaximaleSpielDauer
// (gesucht bis zum Dateiende, die erste Zeile gilt, mindestens 5 Minuten): Int(15 / n * 5),
// mindestens 1; 0, wenn der Schlüssel fehlt, heißt ohne Grenze.
int leseEnergieSchritt(const QString& iniDatei);
int energieSchrittAusText(const QString& iniText);

} // namespace varku
