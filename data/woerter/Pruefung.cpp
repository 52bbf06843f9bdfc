#include "data/woerter/Pruefung.h"

#include "data/woerter/Kachelbild.h"
#include "data/woerter/WaveNamen.h"

#include <QHash>
#include <algorithm>

namespace varku {

namespace {

bool gelesen(const Wortquellen& q, const QString& datei) {
    return std::none_of(q.lesefehler.begin(), q.lesefehler.end(),
                        [&](const Fehler& f) { return f.datei == datei; });
}

QString ort(const Worteintrag& e) {
    return QStringLiteral("%1:%2").arg(e.datei, QString::number(e.zeile));
}

void pruefeEindeutig(const QList<Worteintrag>& woerter, Fehlerliste& fehler) {
    QHash<int, const Worteintrag*> nummern;
    QHash<QString, const Worteintrag*> woerterMitKontext;
    for (const Worteintrag& e : woerter) {
        if (e.refNr > 0) {
            if (const Worteintrag* frueher = nummern.value(e.refNr))
                fehler.append(
                    {e.datei, e.zeile,
                     QStringLiteral("RefNr %1 steht schon in %2").arg(e.refNr).arg(ort(*frueher))});
            else
                nummern.insert(e.refNr, &e);
        }
        const QString schluessel = e.kontext + QLatin1Char(' ') + e.wort;
        if (const Worteintrag* frueher = woerterMitKontext.value(schluessel)) {
            const QString wie = e.hatKontext() ? QStringLiteral("'%1 %2'").arg(e.kontext, e.wort)
                                               : QStringLiteral("'%1' ohne Kontext").arg(e.wort);
            fehler.append({e.datei, e.zeile,
                           QStringLiteral("Wort %1 steht schon in %2").arg(wie, ort(*frueher))});
        } else {
            woerterMitKontext.insert(schluessel, &e);
        }
    }
}

void pruefeKategorien(const Wortquellen& q, const QList<Worteintrag>& woerter,
                      Fehlerliste& fehler) {
    QHash<QString, int> alle, kurze;
    for (const Kategorie& k : q.kategorienliste.kategorien) {
        alle.insert(k.code, 0);
        kurze.insert(k.code, 0);
    }
    for (const Worteintrag& e : woerter) {
        for (const Lupenstelle& l : e.kategorien) {
            if (!alle.contains(l.code)) {
                fehler.append(
                    {e.datei, e.zeile,
                     QStringLiteral("Kategorie %1 steht nicht in Varku.tsp").arg(l.code)});
                continue;
            }
            ++alle[l.code];
            if (e.wort.size() <= kurzBis)
                ++kurze[l.code];
        }
    }
    for (const Kategorie& k : q.kategorienliste.kategorien) {
        const int n = alle.value(k.code);
        const int nKurz = kurze.value(k.code);
        if (n < mindestWoerter || nKurz < mindestKurzeWoerter)
            fehler.append({q.kategorienliste.name, k.zeile,
                           QStringLiteral("Kategorie %1 hat %2 Wörter, davon %3 mit höchstens %4 "
                                          "Buchstaben; verlangt sind %5, davon %6")
                               .arg(k.code, QString::number(n), QString::number(nKurz),
                                    QString::number(kurzBis), QString::number(mindestWoerter),
                                    QString::number(mindestKurzeWoerter))});
    }
}

void pruefeKachelbilder(const Wortquellen& q, Fehlerliste& fehler) {
    for (const Kategorie& k : q.kategorienliste.kategorien) {
        const QString bild = kachelbildDerKategorie(k.code);
        if (!q.kachelbilder.contains(bild))
            fehler.append({q.kategorienliste.name, k.zeile,
                           QStringLiteral("Bild %1 der Kategorie %2 steht nicht in %3")
                               .arg(bild, k.code, q.bildlisteName)});
    }
    if (!q.kachelbilder.contains(QLatin1String(leereKachel)))
        fehler.append(
            {q.bildlisteName, 0,
             QStringLiteral("%1 für die leere Kachel fehlt").arg(QLatin1String(leereKachel))});
}

// Varku.tsp zuerst, dann bausteine.txt, dann die Wortdateien in Aufrufreihenfolge
void sortiere(const Wortquellen& q, Fehlerliste& fehler) {
    QHash<QString, int> rang;
    rang.insert(q.kategorienliste.name, 0);
    rang.insert(q.bildlisteName, 1);
    for (const Wortdatei& d : q.wortdateien)
        rang.insert(d.name, 2 + int(rang.size()));
    std::stable_sort(fehler.begin(), fehler.end(), [&](const Fehler& a, const Fehler& b) {
        const int ra = rang.value(a.datei, -1);
        const int rb = rang.value(b.datei, -1);
        if (ra != rb)
            return ra < rb;
        return a.zeile < b.zeile;
    });
}

} // namespace

Wortbestand pruefeWortbestand(const Wortquellen& q) {
    Wortbestand b;
    b.kategorien = q.kategorienliste.kategorien;
    b.fehler = q.lesefehler + q.kategorienliste.fehler;
    for (const Wortdatei& d : q.wortdateien) {
        b.woerter += d.woerter;
        b.fehler += d.fehler;
    }
    // Doppelte werden an der späteren Stelle gemeldet, darum vor dem Sortieren
    pruefeEindeutig(b.woerter, b.fehler);
    // ohne lesbare Liste folgten nur Folgefehler
    if (gelesen(q, q.kategorienliste.name)) {
        pruefeKategorien(q, b.woerter, b.fehler);
        if (gelesen(q, q.bildlisteName))
            pruefeKachelbilder(q, b.fehler);
    }
    sortiere(q, b.fehler);

    std::stable_sort(b.woerter.begin(), b.woerter.end(),
                     [](const Worteintrag& a, const Worteintrag& b) { return a.refNr < b.refNr; });
    vergebeWaveNamen(b.woerter);
    return b;
}

} // namespace varku
