// Die Wortdatenbank Varku-D.sqlite kann beschädigt, abgeschnitten oder fremd sein: Öffnen,
// Filtern, Positionieren und Nachschlagen geben höchstens einen Laufzeitfehler, und was sie
// zurückgeben, passt zur Tabelle: nie mehr Wörter als Zeilen, eine engere Auswahl nie mehr
// als die weitere, das Wort an der verlangten Stelle, die gefundene Zeile zur gesuchten RefNr.
#include "foundation/Wortzugang.h"
#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

using namespace varku;

namespace {

void pruefe(bool bedingung) {
    if (!bedingung)
        std::abort();
}

struct Ort {
    QTemporaryDir ordner;
    QString datei = ordner.filePath(QStringLiteral("Varku-D.sqlite"));
};

// ein Laufzeitfehler ist erlaubt, jeder andere Ausgang nicht
template <typename F> void versuche(F&& f) {
    try {
        f();
    } catch (const Laufzeitfehler&) {
    }
}

// Die gefundene Zeile gehört zur RefNr; eine RefNr als Text vergleicht das Kriterium anders
void pruefeZeile(db::Recordset& r, long refNr) {
    const db::Wert w = r.feld(QStringLiteral("RefNr"));
    if (w.istZahlig())
        pruefe(w.alsGanzzahl() == refNr);
}

void schlageNach(Wortzugang& z, long refNr, int uebNr) {
    versuche([&] {
        if (const std::optional<Lupenstelle> l = z.sucheLupenStelle(refNr, uebNr)) {
            db::Recordset& r = z.ruv();
            pruefe(r.feld(QStringLiteral("RefNr")).alsGanzzahl() == refNr &&
                   r.feld(QStringLiteral("ruvo")).alsGanzzahl() == uebNr);
            pruefe(l->vonPos == int(r.feld(QStringLiteral("vonPos")).alsGanzzahl()) &&
                   l->bisPos == int(r.feld(QStringLiteral("bisPos")).alsGanzzahl()));
        }
    });
    versuche([&] {
        if (z.satzKontext(refNr))
            pruefeZeile(z.phr(), refNr);
    });
    versuche([&] { (void)z.paraphrase(refNr); });
    versuche([&] { (void)z.transkript(refNr); });
}

// filtert nach der Kategorie und geht einige Wörter durch; gibt die Zahl der Wörter
int pruefeKategorie(Wortzugang& z, const QString& kategorie, int uebNr, int zeilen) {
    const int alle = z.setzeWortFilter(kategorie, false);
    pruefe(alle == z.AnzahlWoerter() && alle >= 0 && alle <= zeilen);
    // gefiltert wurde nach einer Spalte, die es gibt
    pruefe(z.hatKategorie(kategorie));
    versuche([&] { pruefe(z.setzeWortFilter(kategorie, true) <= alle); });
    versuche([&] { pruefe(z.setzeWortFilter(kategorie, false, 5) <= alle); });
    // wieder von allen Wörtern aus: dieselbe Auswahl
    pruefe(z.setzeWortFilter(kategorie, false) == alle);
    if (alle == 0)
        return 0;
    for (const int stelle : {alle, 1, alle / 2 + 1}) {
        z.positioniereWort(stelle);
        pruefe(z.rdb().AbsolutePosition() == stelle - 1);
        versuche([&] {
            const long refNr = z.refNr();
            for (const int nr : {uebNr, 1})
                schlageNach(z, refNr, nr);
            if (z.findeWort(refNr))
                pruefeZeile(z.rdb(), refNr);
        });
    }
    return alle;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static Ort ort;
    {
        QFile f(ort.datei);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            f.write(reinterpret_cast<const char*>(daten), qint64(groesse)) != qint64(groesse))
            std::abort();
    }
    // eine ganze Datei hat Seiten gerader Größe und öffnet alles; abgeschnittene auch weniger
    const WortTabellen tabellen{(groesse & 1) == 0, (groesse & 2) == 0, (groesse & 4) == 0};
    Wortzugang z;
    try {
        z.oeffneWortDatenbank(ort.datei, tabellen);
    } catch (const Laufzeitfehler&) {
        return 0;
    }
    pruefe(z.istOffen() && z.AnzahlWoerter() == 0);
    const int zeilen = z.rdb().RecordCount();
    pruefe(zeilen >= 0);

    // die ersten Wahrheitsspalten als Kategorien, dazu eine, die es nicht gibt
    QStringList kategorien;
    for (const db::Spalte& s : z.rdb().tabelle().spalten)
        if (s.typ == db::Spalte::Typ::Bool && kategorien.size() < 3)
            kategorien << s.name;
    kategorien << QStringLiteral("KAT1") << QStringLiteral("GibtEsNicht");
    int erste = -1;
    for (qsizetype i = 0; i < kategorien.size(); ++i)
        versuche([&] {
            const int n = pruefeKategorie(z, kategorien[i], int(i) + 2, zeilen);
            if (erste < 0)
                erste = n;
        });

    // vorab geöffnet und unverändert: dieselben Wörter wie frisch geöffnet
    if (erste >= 0) {
        Wortzugang v;
        v.oeffneVorab(ort.datei, tabellen);
        v.oeffneWortDatenbank(ort.datei, tabellen);
        for (const QString& k : kategorien) {
            bool gefiltert = false;
            versuche([&] {
                pruefe(v.setzeWortFilter(k, false) == z.setzeWortFilter(k, false));
                gefiltert = true;
            });
            if (gefiltert)
                break;
        }
    }
    return 0;
}
