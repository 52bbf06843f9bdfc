#include "foundation/Schwerpunktliste.h"

#include "foundation/ElementLeser.h"
#include "foundation/Textkodierung.h"
#include "platform/Laufzeitfehler.h"

namespace varku {

namespace {

const QString ueberschriftMarke = QStringLiteral(">>>");

[[noreturn]] void dateiFehler(const QString& pfad, int zeile, const QStringList& satz,
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

// Ruft je Datensatz der Datei auf, leere Zeilen ausgenommen; Zeilen ab 1
template <typename F> void jederDatensatz(const QString& pfad, F&& f) {
    ElementLeser leser(leseTextdatei(pfad).text);
    int zeile = 0;
    while (!leser.amEnde()) {
        const QStringList satz = leser.restDerZeile();
        ++zeile;
        // eine Leerzeile, etwa am Dateiende, ist keine namenlose Kategorie
        if (istLeer(satz))
            continue;
        if (!f(satz, zeile))
            return;
    }
}

} // namespace

bool istUeberschrift(const QString& titel, Ueberschrift regel) {
    return regel == Ueberschrift::Irgendwo ? titel.contains(ueberschriftMarke)
                                           : titel.startsWith(ueberschriftMarke);
}

SchwerpunktDatei leseSchwerpunktDatei(const QString& pfad,
                                      const std::function<bool(const QString&)>& istSpalte) {
    SchwerpunktDatei liste;
    int seite = -1;
    jederDatensatz(pfad, [&](const QStringList& satz, int zeile) {
        const QString titel = satz.value(0);
        if (istUeberschrift(titel, Ueberschrift::Irgendwo)) {
            if (seite + 1 >= schwerpunktSeiten)
                dateiFehler(pfad, zeile, satz, QStringLiteral("mehr als 12 Überschriften"));
            ++seite;
            return true;
        }
        if (seite < 0)
            dateiFehler(pfad, zeile, satz, QStringLiteral("Kategorie vor der ersten Überschrift"));
        if (liste.codes.size() >= maxKategorien)
            dateiFehler(pfad, zeile, satz, QStringLiteral("mehr als 52 Kategorien"));
        const QString code = satz.value(1).trimmed();
        if (code.isEmpty())
            dateiFehler(pfad, zeile, satz, QStringLiteral("Kategorie ohne Spalte"));
        if (istSpalte && !istSpalte(code))
            dateiFehler(pfad, zeile, satz,
                        QStringLiteral("die Spalte %1 fehlt in der Wortdatenbank").arg(code));
        liste.titel[size_t(seite)] << titel;
        liste.codes << code;
        return true;
    });
    // ohne Kategorie bliebe der Dialog leer und ließe sich nicht verlassen
    if (liste.codes.isEmpty())
        throw Laufzeitfehler(Laufzeitfehler::IndexAusserhalb,
                             QStringLiteral("Die Schwerpunktliste enthält keine Kategorie"), pfad);
    return liste;
}

Uebungsschwerpunkt leseUebungsschwerpunkt(const QString& pfad, const QString& ruvoFeldName) {
    Uebungsschwerpunkt s;
    jederDatensatz(pfad, [&](const QStringList& satz, int) {
        // eine Überschrift ist kein Schwerpunkt, was auch in ihrer Spalte steht ("-")
        if (istUeberschrift(satz.value(0), Ueberschrift::AmAnfang))
            return true;
        ++s.UebNr;
        if (satz.value(1) == ruvoFeldName) {
            s.UebTitel = satz.value(0);
            s.gefunden = true;
            return false;
        }
        return true;
    });
    return s;
}

QString titelOhneZusatz(const QString& titel) {
    const qsizetype klammer = titel.indexOf(QLatin1Char('['));
    return klammer < 0 ? titel : titel.left(klammer);
}

QString bausteinDateiName(const QString& code, const QString& endung) {
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
    return QStringLiteral("BST_") + x + endung;
}

} // namespace varku
