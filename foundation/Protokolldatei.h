#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QFile;
class QIODevice;

namespace varku {

// Die Protokolldateien der Spieler: User/<8 Großbuchstaben>.tmp, Windows-1252, CR LF, eine
// Zeile je geprüftem Versuch: "<RefNr>= OK" oder "<RefNr>= <Eingabe, wie getippt>". Das
// Rahmenprogramm schreibt sie, das Kartenspiel hängt an, der Ausdruck und die Spiele lesen sie.

// Pfad der Datei eines Stamms im Benutzerordner
QString protokollPfad(const QString& userPfad, const QString& stamm);
// ein Stamm sind genau acht Großbuchstaben A bis Z
bool istProtokollStamm(const QString& stamm);
// acht zufällige Großbuchstaben, die keine vorhandene Datei benennen; legt nichts an
QString erzeugeTmpName(const QString& userPfad);
// legt die Datei leer an (eine vorhandene wird geleert)
void legeProtokollAn(const QString& pfad);
// löscht die Datei; eine schon fehlende ist kein Fehler
void loescheProtokoll(const QString& pfad);

// Schreibt Zeilen in eine offene Protokolldatei; jede steht sofort in der Datei.
class Protokollschreiber {
public:
    Protokollschreiber();
    ~Protokollschreiber();
    Protokollschreiber(Protokollschreiber&&) noexcept;
    Protokollschreiber& operator=(Protokollschreiber&&) noexcept;

    // schließt eine offene Datei und öffnet pfad zum Anhängen
    void oeffne(const QString& pfad);
    void schliesse();
    bool offen() const;
    QString pfad() const;
    // "<RefNr>= OK" oder "<RefNr>= <eingabe>"; ohne offene Datei ein Laufzeitfehler
    void schreibe(long refNr, bool richtig, const QString& eingabe);

private:
    std::unique_ptr<QFile> m_datei;
};

// Eine gelesene Zeile
struct Protokolleintrag {
    int refNr = 0;
    bool richtig = false;
    QString eingabe; // bei einem falschen Versuch das Getippte
};

// Die Zeilen einer Datei, ganz gelesen (ein Komma oder Anführungszeichen im Getippten trennt
// nichts); "= OK" ist richtig nur als ganzer Rest der Zeile. Eine Zeile ohne "=", mit mehr als 64
// Zeichen davor oder mit einer Nummer, die keine 16-Bit-Zahl ist, wird übergangen; eine fehlende
// Datei ist leer.
std::vector<Protokolleintrag> leseProtokoll(const QString& pfad);
// dasselbe aus den Bytes einer Datei
std::vector<Protokolleintrag> leseProtokollAus(const QByteArray& bytes);

// Nur Nummer und richtig oder falsch jeder Zeile, nach denselben Regeln, aber Stück für Stück:
// der Speicher bleibt klein, wie groß die Datei auch ist (die Spiele lesen so ihre Fehlerwörter).
// Eine fehlende Datei hat keine Zeilen.
void leseProtokollNummern(const QString& pfad,
                          const std::function<void(int refNr, bool richtig)>& jeZeile);
void leseProtokollNummern(QIODevice& quelle,
                          const std::function<void(int refNr, bool richtig)>& jeZeile);

} // namespace varku
