#pragma once

#include "foundation/Einstellungen.h"
#include "foundation/Protokolldatei.h"
#include "foundation/Wortzugang.h"
#include "frame/Spielergruppe.h"
#include "platform/Drucker.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace varku {

class Uebung;

// Zeugnis und Protokoll eines Spielers auf dem Drucker, in Twips. Alle Lagen gehen von den
// Rändern aus [Drucker] aus; die Ränder sind Lagen auf dem Blatt, keine Breiten.

// [Drucker]: wird nur gelesen
struct DruckerRaender {
    int32_t LinkerRand = 0;
    int32_t RechterRand = 0;
    int32_t ObererRand = 0;
    int32_t UntererRand = 0;
};
const Einstellungsabschnitt<DruckerRaender>& druckerAbschnitt();

// Die Ränder aus der Datei; was fehlt oder nicht aufs Blatt passt, kommt vom Seitenbereich
// des Druckers
DruckerRaender druckerRaender(const QString& iniDatei, const QRectF& seitenbereich);

// Die Bilder, aus denen gedruckt wird, im Grafikordner
extern const QString VarkLogoImg;  // Produktzeichen, links oben auf jedem Blatt
extern const QString MorloLogoImg; // Verlagszeichen, rechts unten

// Was ein Ausdruck von der Übung braucht
struct Druckangaben {
    QString name;
    QString protokollPfad;
    Statistik statistik;
    bool wortAufSchirm = false; // das Wort auf dem Schirm ist gezählt, aber nicht geschrieben
    QString schwerpunkt;        // der Titel, wie ihn das Hauptfenster zeigt
    QDateTime sitzungsBeginn;
    QDateTime jetzt;
    QString wortDbPfad;
    QString iniDatei;
};

// Die Angaben für Spieler p; schwerpunkt ist der Titel auf dem Hauptfenster
Druckangaben druckangaben(const Uebung& u, int p, const QString& schwerpunkt,
                          const QDateTime& jetzt, const QString& wortDbPfad,
                          const QString& iniDatei);

// Zahlen und Texte des Zeugnisses
int geschriebeneWoerter(const Statistik& s, bool wortAufSchirm);
QString lesezeitText(const Statistik& s, int geschrieben);             // "##0.00", deutsches Komma
QString uebungsdauer(const QDateTime& beginn, const QDateTime& jetzt); // "12:05"
QString langesDatum(const QDate& datum); // "Mittwoch, 9. Dezember 2026"

// Liest die Einträge einer Protokolldatei einer Art nach der anderen und schlägt ihre Wörter in
// einem eigenen Datensatz nach: die Stelle der Übung bleibt, wo sie ist.
class ProtokollLeser {
public:
    ProtokollLeser(std::vector<Protokolleintrag> eintraege, const QString& wortDbPfad);

    // der nächste Eintrag der Art; false am Ende
    bool leseProtokollEintrag(bool richtig);
    // wieder von vorn
    void zumAnfang() { m_stelle = 0; }
    int anzahl(bool richtig) const;

    QString protKontext;
    QString protWort;
    QString protEingabe;

private:
    void schlageNach(int refNr);

    std::vector<Protokolleintrag> m_eintraege;
    size_t m_stelle = 0;
    Wortzugang m_woerter;
};

// Wie ein Ausdruck ausging
struct Druckergebnis {
    bool gedruckt = false;
    QString ziel;   // Druckername oder Pfad der PDF-Datei
    QString fehler; // Meldungstext, Zeilen mit "\r" getrennt
};

// true, wenn das Ziel eine Datei ist und kein Drucker
bool istDateiziel(const QString& ziel);

class Druck {
public:
    explicit Druck(Drucker& drucker);

    int LinkerRand = 0;
    int RechterRand = 0;
    int ObererRand = 0;
    int UntererRand = 0;
    int Einzug = 500;
    int WertSpalte = 4000;
    int ZeilenAbstand = 80;

    void ladeDruckerRaender(const QString& iniDatei);
    // eine negative Lage lässt die aktuelle
    void setzeDruckPos(double x, double y);
    void druckeText(double x, double y, const QString& text);
    void setzeDruckFont(const QString& name, double groesse, bool fett, bool kursiv);
    // eine Zeile eines Blocks; ein Wert, der über den rechten Rand ginge, wird umbrochen
    void druckeZeile(double y, const QString& bezeichnung, const QString& wert);
    void druckeKopf();
    void druckeFuss(double y, int blatt);

    Druckergebnis druckeZeugnis(const Druckangaben& a);
    Druckergebnis druckeProtokoll(const Druckangaben& a);

private:
    // ein Dokument vom Beginn bis zur Abgabe an den Drucker; zeichne füllt die Blätter
    Druckergebnis druckeDokument(const QString& dokument, const Druckangaben& a,
                                 const std::function<void()>& zeichne);
    void zeichneZeugnis(const Druckangaben& a);
    void zeichneProtokoll(const Druckangaben& a, ProtokollLeser& leser);
    void druckeAbschnitt(const QString& ueberschrift, bool richtig, ProtokollLeser& leser,
                         int& blatt, double grenze);
    void blattwechsel(int& blatt);
    // der Text, gekürzt mit "…", bis er in breite passt
    QString passend(const QString& text, double breite) const;
    // an Leerzeichen umbrochen, so dass jede Zeile in breite passt, wo es geht
    QStringList umbrochen(const QString& text, double breite) const;
    // Zeile für Zeile untereinander, ab x
    void druckeZeilen(double x, double y, const QStringList& zeilen, double breite);
    // ein Satz über Zeilen am linken Rand; passt eine nicht, wird er neu umbrochen
    void druckeAbsatz(double y, const QStringList& zeilen);

    Drucker& m_d;
    bool m_frischesBlatt = true; // unter dem Kopf steht noch nichts
};

} // namespace varku
