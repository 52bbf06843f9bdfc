// Das Neuschreiben eines Abschnitts muss genau das ergeben, was das zeilenweise Lesen mit dem
// Elementleser verlangt, beim zweiten Mal dieselbe Datei ergeben und die neuen Werte lesbar
// machen. Auch die Prüfung hier bleibt linear in der Größe der Eingabe.
#include "foundation/ElementLeser.h"
#include "foundation/IniAbschnitt.h"
#include "foundation/Textkodierung.h"

#include <cstdlib>

using namespace varku;

namespace {

const Schluesselzeilen neu{{QStringLiteral("TextFontName"), QStringLiteral("Andika")},
                           {QStringLiteral("TextFontGröße"), QStringLiteral("28")},
                           {QStringLiteral("AutoDialog"), QStringLiteral("1")}};
const QString kopf = QStringLiteral("[Varku]");

void pruefe(bool bedingung) {
    if (!bedingung)
        std::abort();
}

// Wie eine Zeile beim Lesen Element für Element wirkt
struct Zeile {
    ZeilenLage lage;
    bool hatKopf = false;          // ein Element ist genau der Kopf
    bool beginntAbschnitt = false; // ein Element beginnt mit "["
    bool ersteMitKlammer = false;  // das erste Element beginnt mit "["
    bool kommentar = false;        // das erste Element beginnt mit ";"
    bool einElement = false;
};

// Der ganze Text wird einmal dekodiert und mit dem Elementleser gelesen, Zeile für Zeile neben
// den Bytes her: Zeilenenden sind in beiden dieselben.
std::vector<Zeile> zeilenDer(const QByteArray& alt) {
    ElementLeser leser(dateiText(alt));
    std::vector<Zeile> zeilen;
    for (qsizetype i = 0; i < alt.size();) {
        Zeile z{zeileAb(alt, i)};
        pruefe(!leser.amEnde() || leser.zeileOffen());
        qsizetype anzahl = 0;
        do {
            const QString e = leser.naechstes();
            if (anzahl++ == 0) {
                z.ersteMitKlammer = e.startsWith(u'[');
                z.kommentar = e.startsWith(u';');
            }
            z.hatKopf = z.hatKopf || e == kopf;
            z.beginntAbschnitt = z.beginntAbschnitt || e.startsWith(u'[');
        } while (leser.zeileOffen());
        z.einElement = anzahl == 1;
        zeilen.push_back(z);
        i = z.lage.naechste();
    }
    pruefe(leser.amEnde());
    return zeilen;
}

// Schritt für Schritt wie beschrieben
QByteArray erwartet(const QByteArray& alt, const std::vector<Zeile>& zeilen, qsizetype& kopfZeile,
                    qsizetype& restZeile) {
    const Kodierung k = erkenneKodierung(alt);
    QByteArray ende = "\r\n";
    for (const Zeile& z : zeilen)
        if (z.lage.endeLaenge > 0) {
            ende = alt.mid(z.lage.anfang + z.lage.laenge, z.lage.endeLaenge);
            break;
        }
    const auto zeileMitEnde = [&](const Zeile& z) {
        return alt.mid(z.lage.anfang, z.lage.laenge) +
               (z.lage.endeLaenge > 0 ? alt.mid(z.lage.anfang + z.lage.laenge, z.lage.endeLaenge)
                                      : ende);
    };

    QByteArray ergebnis;
    const qsizetype anzahl = qsizetype(zeilen.size());
    qsizetype i = 0;
    kopfZeile = -1;
    while (i < anzahl && kopfZeile < 0) {
        ergebnis += zeileMitEnde(zeilen[size_t(i)]);
        if (zeilen[size_t(i)].hatKopf)
            kopfZeile = i;
        ++i;
    }
    // ohne Kopf kommt der Abschnitt mit seinem Kopf ans Ende
    if (kopfZeile < 0)
        ergebnis += kodiere(kopf, k) + ende;
    for (const auto& [name, wert] : neu)
        ergebnis += kodiere(name + u'=' + wert, k) + ende;
    ergebnis += ' ' + ende;
    restZeile = anzahl;
    if (kopfZeile < 0)
        return ergebnis;
    for (; i < anzahl && !zeilen[size_t(i)].beginntAbschnitt; ++i)
        if (zeilen[size_t(i)].kommentar)
            ergebnis += zeileMitEnde(zeilen[size_t(i)]);
    restZeile = i;
    if (i < anzahl)
        ergebnis += alt.sliced(zeilen[size_t(i)].lage.anfang);
    return ergebnis;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray alt(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const AbschnittsFormat format{QStringLiteral("Varku")};
    const QByteArray ergebnis = ersetzeAbschnitt(alt, format, neu);

    const std::vector<Zeile> zeilen = zeilenDer(alt);
    qsizetype kopfZeile = -1;
    qsizetype restZeile = 0;
    pruefe(ergebnis == erwartet(alt, zeilen, kopfZeile, restZeile));
    pruefe(erkenneKodierung(ergebnis) == erkenneKodierung(alt));
    // zweimal geschrieben ist wie einmal, auch wenn der Kopf erst mit dem ersten Mal kam
    pruefe(ersetzeAbschnitt(ergebnis, format, neu) == ergebnis);

    // Ein angehängter Abschnitt steht mit seinem Kopf allein am Ende und liest sich immer.
    // Sonst: steht der Kopf allein in seiner Zeile, beginnt der nächste Abschnitt am Anfang
    // seiner Zeile und hält der Abschnitt keine Zeile mit Komma oder Anführungszeichen, liest man
    // die neuen Werte. (Solche Zeilen liegen außerhalb des Formats: ihre Elemente können zu zwei
    // Abschnitten gehören.)
    bool lesbar = true;
    if (kopfZeile >= 0) {
        const bool kopfAllein = zeilen[size_t(kopfZeile)].einElement;
        const bool restSauber =
            restZeile == qsizetype(zeilen.size()) || zeilen[size_t(restZeile)].ersteMitKlammer;
        bool abschnittSauber = true;
        for (qsizetype i = kopfZeile + 1; i < restZeile && abschnittSauber; ++i) {
            const QByteArrayView z = QByteArrayView(alt).sliced(zeilen[size_t(i)].lage.anfang,
                                                                zeilen[size_t(i)].lage.laenge);
            abschnittSauber = !z.contains(',') && !z.contains('"');
        }
        lesbar = kopfAllein && restSauber && abschnittSauber;
    }
    if (lesbar) {
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
