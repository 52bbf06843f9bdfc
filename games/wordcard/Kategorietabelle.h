#pragma once

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
};

// Die ganzen Datensätze eines Textes aus Varku.kmp, je sieben Elemente; Elemente werden wie in
// allen Textdateien gelesen (Komma oder Zeilenende trennt, Anführungszeichen fassen Kommas ein).
// Leere Zeilen zählen nicht; ein unvollständiger letzter Datensatz fällt weg.
std::vector<Kategoriesatz> leseKategorieTabelle(const QString& text);
// die Datei im Programmordner; eine fehlende Datei ist ein Laufzeitfehler, der sie nennt
std::vector<Kategoriesatz> leseKategorieDatei(const QString& pfad);
// der Datensatz, dessen Schlüssel genau so heißt
std::optional<Kategoriesatz> findeKategorie(const std::vector<Kategoriesatz>& saetze,
                                            const QString& schluessel);

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
