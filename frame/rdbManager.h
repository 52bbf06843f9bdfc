#pragma once

#include "platform/Recordset.h"

#include <QString>
#include <cstdint>

namespace varku {

// Der Zugang des Rahmenprogramms zur Wortdatenbank: die vier Tabellen, der Filter auf die
// Kategorie des Übungsschwerpunkts und die Angaben des aktuellen Wortes.

extern db::Recordset rdb; // WortListe, gefiltert
extern db::Recordset ruv; // LupenStellen
extern db::Recordset phr; // SemSynt
extern db::Recordset tts; // Transkripte

extern int AnzahlWoerter;
extern QString RuvoFeldName; // Spalte der Kategorie, vom Schwerpunktdialog gesetzt

// das aktuelle Wort
extern QString Wort;
extern QString Kontext;
extern QString Beispielsatz;
extern QString WaveDat;
extern int16_t KomplexInd;
extern int vonPos;
extern int bisPos;
extern QString WortTranskr;
extern QString SatzTranskr;

void oeffneWortDatenbank(const QString& pfad);
// filtert die Wörter der Kategorie, immer von allen Wörtern aus, und füllt das Infofenster
void setzeWortFilter(bool nurGws);
// macht das Wort an Stelle position (ab 1) unter den gefilterten Wörtern zum aktuellen
void positioniereWort(int position);
// steht ruv auf der Lupenstelle des aktuellen Wortes in der aktuellen Kategorie?
bool sucheLupenStelle();
// Beispielsatz mit dem Wort oder mit einer Lücke aus höchstens zehn "_"
void bildeSatzKontext(bool mitWort);
// die gesprochenen Formen des aktuellen Wortes, soweit eingeschaltet
void ladeTranskripte();

// die Angaben des aktuellen Wortes leeren (beim Programmstart und in Tests)
void leereWortangaben();

} // namespace varku
