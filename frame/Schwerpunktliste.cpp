#include "frame/Schwerpunktliste.h"

#include "foundation/ElementLeser.h"
#include "foundation/Textkodierung.h"
#include "platform/Laufzeitfehler.h"

namespace varku {

std::array<QString, maxKategorien> RuvoCodes;

namespace {

const QString ueberschriftMarke = QStringLiteral(">>>");

[[noreturn]] void indexFehler(const QString& pfad, int zeile, const QStringList& satz,
                              const QString& grund) {
    throw Laufzeitfehler(Laufzeitfehler::IndexAusserhalb,
                         QStringLiteral("Index außerhalb des gültigen Bereichs"),
                         QStringLiteral("%1, Zeile %2: %3 (%4)")
                             .arg(pfad)
                             .arg(zeile)
                             .arg(satz.join(QLatin1Char(',')), grund));
}

bool istLeer(const QStringList& satz) {
    for (const QString& feld : satz)
        if (!feld.trimmed().isEmpty())
            return false;
    return true;
}

// fehlende Zeichen zählen nicht als Ziffer
bool istZiffer(const QString& code, qsizetype i) {
    return i < code.size() && code.at(i) >= u'0' && code.at(i) <= u'9';
}

} // namespace

SchwerpunktDatei leseSchwerpunktDatei(const QString& pfad) {
    SchwerpunktDatei liste;
    ElementLeser leser(leseTextdatei(pfad).text);
    int seite = -1;
    int zeile = 0;
    while (!leser.amEnde()) {
        const QStringList satz = leser.restDerZeile();
        ++zeile;
        // eine Leerzeile, etwa am Dateiende, ist keine namenlose Kategorie
        if (istLeer(satz))
            continue;
        const QString titel = satz.value(0);
        if (titel.contains(ueberschriftMarke)) {
            if (seite + 1 >= schwerpunktSeiten)
                indexFehler(pfad, zeile, satz, QStringLiteral("mehr als 12 Überschriften"));
            ++seite;
            continue;
        }
        if (seite < 0)
            indexFehler(pfad, zeile, satz, QStringLiteral("Kategorie vor der ersten Überschrift"));
        if (liste.codes.size() >= maxKategorien)
            indexFehler(pfad, zeile, satz, QStringLiteral("mehr als 52 Kategorien"));
        liste.titel[size_t(seite)] << titel;
        liste.codes << satz.value(1);
    }
    return liste;
}

void setzeRuvoCodes(const QStringList& codes) {
    for (int i = 0; i < maxKategorien; ++i)
        RuvoCodes[size_t(i)] = codes.value(i);
}

QString titelOhneZusatz(const QString& titel) {
    const qsizetype klammer = titel.indexOf(QLatin1Char('['));
    return klammer < 0 ? titel : titel.left(klammer);
}

QString bausteinDateiName(const QString& code) {
    QString x;
    if (istZiffer(code, 2)) {
        // zwei Buchstaben und eine Ziffer: die Nummer gehört nicht zum Bild
        x = code.left(2);
        if (istZiffer(code, 3))
            x += QLatin1Char('_');
        else
            x += code.mid(3, 1);
    } else if (code.left(2) == QLatin1String("LT")) {
        x = QStringLiteral("LT_");
    } else {
        x = code.left(3);
    }
    return QStringLiteral("BST_") + x + QStringLiteral(".gif");
}

} // namespace varku
