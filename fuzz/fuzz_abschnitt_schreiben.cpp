// Das Neuschreiben eines Abschnitts darf keine Zeile außerhalb verlieren oder verändern, muss
// beim zweiten Mal dieselbe Datei ergeben und die neuen Werte lesbar machen.
#include "foundation/ElementLeser.h"
#include "foundation/IniAbschnitt.h"
#include "foundation/Textkodierung.h"

#include <cstdlib>

using namespace varku;

namespace {

const Schluesselzeilen neu{{QStringLiteral("TextFontName"), QStringLiteral("Andika")},
                           {QStringLiteral("TextFontGröße"), QStringLiteral("28")},
                           {QStringLiteral("AutoDialog"), QStringLiteral("1")}};

QStringList elementeDerZeile(const RohZeile& z, Kodierung k, bool erste) {
    QByteArray inhalt = z.inhalt;
    if (erste && k == Kodierung::Utf8 && inhalt.startsWith("\xEF\xBB\xBF"))
        inhalt.remove(0, 3);
    ElementLeser l(dekodiere(inhalt, k));
    QStringList e = l.restDerZeile();
    if (e.isEmpty())
        e << QString();
    return e;
}

void pruefe(bool bedingung) {
    if (!bedingung)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray alt(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const AbschnittsFormat format{QStringLiteral("Varku")};
    const QByteArray ergebnis = ersetzeAbschnitt(alt, format, neu);

    // Lage des Abschnitts, unabhängig bestimmt
    const Kodierung k = erkenneKodierung(alt);
    const auto zeilen = zerlegeInZeilen(alt);
    size_t kopf = zeilen.size();
    for (size_t i = 0; i < zeilen.size() && kopf == zeilen.size(); ++i)
        if (elementeDerZeile(zeilen[i], k, i == 0).contains(QStringLiteral("[Varku]")))
            kopf = i;

    if (kopf == zeilen.size()) {
        // ohne Kopf: die alte Datei steht vorn, nur die letzte Zeile bekommt ihr Zeilenende
        pruefe(ergebnis.startsWith(alt));
        return 0;
    }

    // alles bis zum Kopf steht unverändert vorn
    QByteArray vorn;
    for (size_t i = 0; i <= kopf; ++i)
        vorn += zeilen[i].inhalt + zeilen[i].ende;
    pruefe(ergebnis.startsWith(vorn));

    // alles ab dem nächsten Abschnittskopf steht unverändert hinten
    size_t rest = kopf + 1;
    while (rest < zeilen.size()) {
        bool neuerAbschnitt = false;
        for (const QString& e : elementeDerZeile(zeilen[rest], k, false))
            neuerAbschnitt = neuerAbschnitt || e.startsWith(u'[');
        if (neuerAbschnitt)
            break;
        ++rest;
    }
    QByteArray hinten;
    for (size_t i = rest; i < zeilen.size(); ++i)
        hinten += zeilen[i].inhalt + zeilen[i].ende;
    pruefe(ergebnis.endsWith(hinten));
    pruefe(ergebnis.size() >= vorn.size() + hinten.size());

    // zweimal geschrieben ist wie einmal
    pruefe(ersetzeAbschnitt(ergebnis, format, neu) == ergebnis);

    // Steht der Kopf allein in seiner Zeile, beginnt der nächste Abschnitt am Anfang seiner
    // Zeile und hält der Abschnitt keine Zeile mit Komma oder Anführungszeichen, liest man die
    // neuen Werte. (Solche Zeilen liegen außerhalb des Formats: ihre Elemente können zu zwei
    // Abschnitten gehören.)
    const bool kopfAllein = elementeDerZeile(zeilen[kopf], k, kopf == 0).size() == 1;
    const bool restSauber =
        rest == zeilen.size() || elementeDerZeile(zeilen[rest], k, false).first().startsWith(u'[');
    // Kommentare des Abschnitts bleiben; mit Komma könnten sie weitere Elemente tragen.
    bool abschnittSauber = true;
    for (size_t i = kopf + 1; i < rest; ++i)
        abschnittSauber =
            abschnittSauber && !zeilen[i].inhalt.contains(',') && !zeilen[i].inhalt.contains('"');
    if (kopfAllein && restSauber && abschnittSauber) {
        QStringList namen;
        for (const auto& [n, w] : neu)
            namen << n;
        QStringList gelesen(namen.size());
        leseAbschnittAusText(dateiText(ergebnis), QStringLiteral("Varku"), namen,
                             [&](int i, const QString& w) { gelesen[i] = w; });
        for (qsizetype i = 0; i < namen.size(); ++i)
            pruefe(gelesen.at(i) == neu[size_t(i)].second);
    }
    return 0;
}
