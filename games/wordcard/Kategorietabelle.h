#pragma once

#include "platform/Laufzeitfehler.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace varku::zelko {

// Zwei Buchstabengruppen, die ein Kind an einer Stelle verwechselt, etwa "ie" und "i"
struct Ersatzpaar {
    QString erst;
    QString zweit;
    bool operator==(const Ersatzpaar&) const = default;
};

// Ein Datensatz der Kategorietabelle Varku.kmp: welche Wörter eine Kategorie ins Spiel bringt,
// wo in ihnen die Lücke steht und was statt der richtigen Füllung angeboten wird.
struct Kategoriesatz {
    QString KatSchluessel; // die Spalte der Kategorie, etwa "IE__"
    QString KriteriumA;    // Suchkriterium auf WortListe für den Vorrat A
    QStringList KatListe;  // Kategorien, deren Lupenstellen der Vorrat B nimmt
    QString KriteriumB;    // Suchkriterium für den Vorrat B
    int PosA = 0;          // fest: die Stelle der Lücke; sonst der Abstand zur Lupenstelle
    bool festA = false;
    int PosB = 0;
    bool festB = false;
    std::vector<Ersatzpaar> ErsatzPaare;
    QString LoesTipp; // ein Satz Hilfe für das Kind
    int zeile = 0;    // in der Datei, ab 1; 0, wenn er aus keiner Datei kommt
};

// der Name der Kategorietabelle im Programmordner
inline const QString kategorieDatei = QStringLiteral("Varku.kmp");

// Die Datensätze eines Textes aus Varku.kmp, je einer in einer Zeile mit sieben Elementen;
// Elemente werden wie in allen Textdateien gelesen (Komma oder Zeilenende trennt,
// Anführungszeichen fassen Kommas ein). Leere Zeilen zählen nicht. Ein Text ohne Datensatz, eine
// Zeile mit mehr oder weniger Elementen, eine unlesbare Stellenangabe oder ein unlesbares Paar ist
// ein Laufzeitfehler, der die Datei, die Zeile und den Fehler nennt.
std::vector<Kategoriesatz> leseKategorieTabelle(const QString& text,
                                                const QString& datei = kategorieDatei);
// die Datei im Programmordner; eine fehlende Datei ist ein Laufzeitfehler, der sie nennt
std::vector<Kategoriesatz> leseKategorieDatei(const QString& pfad);
// der Datensatz, dessen Schlüssel genau so heißt
std::optional<Kategoriesatz> findeKategorie(const std::vector<Kategoriesatz>& saetze,
                                            const QString& schluessel);
// der Datensatz der Kategorie aus der Datei; fehlt er, ist die Datei beschädigt
Kategoriesatz leseKategorie(const QString& pfad, const QString& schluessel);

// Der Laufzeitfehler einer beschädigten Kategorietabelle: "Die Datei Varku.kmp ist beschädigt"
// und was an ihr falsch ist ("in Zeile 12 fehlt der Lösungstipp")
constexpr int kategorieDateiFehlerNummer = 321; // ungültiges Dateiformat
Laufzeitfehler kategorieDateiFehler(const QString& datei, const QString& was,
                                    int nummer = kategorieDateiFehlerNummer);

// Die Teile eines Datensatzes
// "LTI_,IH__": die Schlüssel bis zum ersten leeren
QStringList leseKategorieListe(const QString& element);
// "*1:2": Stelle und fest für A vor dem ":", für B dahinter
void leseSternAngabe(const QString& element, int& PosA, bool& festA, int& PosB, bool& festB);
// "ie:i,i:ie": Paare, bis kein ":" mehr folgt; Paare mit einer leeren Seite fallen weg
std::vector<Ersatzpaar> leseErsatzPaare(const QString& element);

// A bis Z, Ä, Ö, Ü
bool istGrossbuchstabe(QChar c);

} // namespace varku::zelko
