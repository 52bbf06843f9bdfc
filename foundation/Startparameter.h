#pragma once

#include <QString>
#include <QStringList>

namespace varku {

// Die Zeichenkette, mit der das Rahmenprogramm ein Spiel startet, als sein eines Argument:
// in doppelten Anführungszeichen Elemente, jedes mit ";" beendet: "Version=4", die Spalte der
// Kategorie, Lupe, Grundwortschatz, die Zahl der Spieler, dann ihre Namen und ihre
// Protokollstämme. Nichts wird maskiert.
struct Startparameter {
    QString RuvoFeldName;
    QString LupenFlag = QStringLiteral("0"); // "1" mit Lupe; die Spiele lesen ihn verschieden
    bool GwsFlag = false;                    // nur der Grundwortschatz
    QStringList SpielerName;
    QStringList SpielerDatei; // je Spieler der Stamm seiner Protokolldatei
};

// "\"Version=4;RuvoFeldName=...;LupenFlag=..;GwsFlag=1|2;nSpieler=n;Name;...;Stamm;...;\""
QString bildeStartParameter(const Startparameter& p);

// Was beim Lesen herauskam
struct Startlesung {
    enum class Ergebnis {
        Gelesen,
        KeinStartAusVarku, // leer oder ohne "Version" an zweiter Stelle
        FalscheVersion,    // Version nicht 4
        UngueltigeSpieler, // weniger als einer, mehr als vier, oder Namen und Stämme fehlen
        UngueltigerStamm,  // ein Stamm sind nicht genau acht Großbuchstaben
    };
    Ergebnis ergebnis = Ergebnis::Gelesen;
    Startparameter parameter;
    QString grund; // was nicht stimmte, für die Meldung
};

// Liest die Zeichenkette so, wie ein Spiel sie bekommt. Die Schlüssel werden am Anfang eines
// Elements erkannt (genaue Schreibweise), der Wert ist der Text nach dem ersten "=", getrimmt;
// Namen behalten ihre Leerzeichen. Es wird nie über das Ende gelesen.
Startlesung leseStartParameter(const QString& kommandozeile);

// der Text nach dem ersten "=" eines Elements; leer ohne "="
QString wertNachGleich(const QString& element);

// "LupenFlag=" in den Spielen: an, außer der Wert ist genau "0"
bool lupeAn(const Startparameter& p);

} // namespace varku
