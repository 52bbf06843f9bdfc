#include "data/woerter/Pruefung.h"

#include "data/woerter/Kachelbild.h"
#include "data/woerter/WaveNamen.h"

#include <QHash>
#include <QStringView>
#include <algorithm>
#include <iterator>

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

// ---- Regeln der Kategorien (Übersicht in FORMAT.md) ----

// Das Wort klein geschrieben, die Lupenstelle als Bereich [von, bis) von 0 an
struct Stelle {
    QString wort;
    bool gross = false;      // erster Buchstabe in der Wortdatei groß
    bool mitArtikel = false; // mit Kontext, bei Nomen der Artikel
    qsizetype von = 0;
    qsizetype bis = 0;

    QString lupe() const { return wort.mid(von, bis - von); }
    // n-ter Buchstabe vor der Lupe, von 1 an; ohne ihn QChar()
    QChar vorher(qsizetype n = 1) const { return von >= n ? wort[von - n] : QChar(); }
    // n-ter Buchstabe nach der Lupe, von 0 an
    QChar nachher(qsizetype n = 0) const { return bis + n < wort.size() ? wort[bis + n] : QChar(); }
};

// Was eine Regel über die Lupe hinaus verlangt
struct Zusatz {
    QStringView text;
    QString (*pruefe)(const Stelle&); // leer, wenn das Wort passt, sonst der Grund
};

enum class Ort { irgendwo, anfang, ende };

struct Kategorieregel {
    QStringView code;
    QStringView lupe;    // unter der Lupe steht eines davon (durch Leerzeichen getrennt)
    QStringView nichtIn; // und ist nicht Teil eines davon
    Ort ort;
    const Zusatz* zusatz;
};

bool istSelbstlaut(QChar z) {
    return !z.isNull() && QStringView(u"aeiouäöü").contains(z);
}

bool istMitlaut(QChar z) {
    return !z.isNull() && !istSelbstlaut(z) && z != u'y';
}

QString zitat(QStringView s) {
    return QStringLiteral("'%1'").arg(s);
}

QList<QStringView> liste(QStringView s) {
    return s.split(u' ', Qt::SkipEmptyParts);
}

// "a, b oder c"
QString oder(QStringView s) {
    QStringList teile;
    for (QStringView t : liste(s))
        teile.append(t.toString());
    const QString letztes = teile.isEmpty() ? QString() : teile.takeLast();
    return teile.isEmpty() ? letztes
                           : teile.join(QStringLiteral(", ")) + QStringLiteral(" oder ") + letztes;
}

// Das längere Graphem, von dem die Lupe nur ein Teil ist: "a" in "Baum" gehört zu "au"
QString teilVon(const Stelle& s, QStringView laengere) {
    for (QStringView g : liste(laengere)) {
        if (g.size() <= s.bis - s.von)
            continue;
        for (qsizetype i = s.wort.indexOf(g); i >= 0 && i <= s.von; i = s.wort.indexOf(g, i + 1))
            if (i + g.size() >= s.bis)
                return QStringLiteral("%1 gehört zu %2").arg(zitat(s.lupe()), zitat(g));
    }
    return {};
}

// Das erste Dehnungszeichen im Wort: aa, ee, oo, ie oder h nach einem Selbstlaut
QString dehnungszeichen(const QString& wort) {
    for (qsizetype i = 0; i + 1 < wort.size(); ++i) {
        const QChar a = wort[i];
        const QChar b = wort[i + 1];
        if ((a == b && QStringView(u"aeo").contains(a)) || (a == u'i' && b == u'e') ||
            (istSelbstlaut(a) && b == u'h'))
            return wort.mid(i, 2);
    }
    return {};
}

// Lauttreu heißt hier: nichts im Wort, um das es in einer anderen Kategorie geht
QString merkstelle(const Stelle& s) {
    static const QStringView grapheme[] = {u"sch", u"chs", u"ch",   u"ck", u"c",  u"ß",  u"tz",
                                           u"z",   u"j",   u"v",    u"x",  u"y",  u"qu", u"ng",
                                           u"nk",  u"pf",  u"tion", u"äu", u"eu", u"ä"};
    const QString& w = s.wort;
    for (QStringView g : grapheme)
        if (w.contains(g))
            return QStringLiteral("Merkstelle %1").arg(zitat(g));
    const QString dehnung = dehnungszeichen(w);
    if (!dehnung.isEmpty())
        return QStringLiteral("Merkstelle %1").arg(zitat(dehnung));
    for (qsizetype i = 0; i + 1 < w.size(); ++i)
        if (w[i] == w[i + 1])
            return QStringLiteral("Merkstelle %1").arg(zitat(w.mid(i, 2)));
    if (w.startsWith(u"sp") || w.startsWith(u"st"))
        return QStringLiteral("Merkstelle %1 am Wortanfang").arg(zitat(w.left(2)));
    if (!w.isEmpty() && QStringView(u"bdgs").contains(w.back()))
        return QStringLiteral("Merkstelle %1 am Wortende").arg(zitat(w.right(1)));
    return {};
}

// Silbenkerne; Zwielaute, ie und doppelte Selbstlaute zählen einmal
int silben(const QString& wort) {
    static const QStringView einKern[] = {u"au", u"ai", u"ei", u"eu", u"äu",
                                          u"ie", u"aa", u"ee", u"oo"};
    int n = 0;
    for (qsizetype i = 0; i < wort.size(); ++i) {
        if (!istSelbstlaut(wort[i]) && wort[i] != u'y')
            continue;
        ++n;
        const QStringView paar = QStringView(wort).mid(i, 2);
        if (std::find(std::begin(einKern), std::end(einKern), paar) != std::end(einKern))
            ++i;
    }
    return n;
}

QString langUndLauttreu(const Stelle& s) {
    if (s.von != 0 || s.bis != s.wort.size())
        return QStringLiteral("die Lupe steht nicht auf dem ganzen Wort");
    const int n = silben(s.wort);
    if (n < 3)
        return QStringLiteral("nur %1 Silben").arg(n);
    return merkstelle(s);
}

QString zweiMitlauteUndLauttreu(const Stelle& s) {
    if (s.von != 0 || s.bis != 2)
        return QStringLiteral("die Lupe steht nicht auf den ersten zwei Buchstaben");
    if (!istMitlaut(s.wort[0]) || !istMitlaut(s.wort[1]))
        return QStringLiteral("%1 sind nicht zwei Mitlaute").arg(zitat(s.lupe()));
    return merkstelle(s);
}

// Lang ist der Selbstlaut, soweit die Schrift es zeigt: kein Dehnungszeichen im Wort, und
// danach kein doppelter Mitlaut, ck oder tz, die ihn kurz machen
QString langOhneDehnungszeichen(const Stelle& s) {
    const QString dehnung = dehnungszeichen(s.wort);
    if (!dehnung.isEmpty())
        return QStringLiteral("Dehnungszeichen %1 im Wort").arg(zitat(dehnung));
    const QChar a = s.nachher(0);
    const QChar b = s.nachher(1);
    if ((istMitlaut(a) && a == b) || (a == u'c' && b == u'k') || (a == u't' && b == u'z'))
        return QStringLiteral("vor %1 ist der Selbstlaut kurz").arg(zitat(QString(a) + b));
    return {};
}

QString vorLmnr(const Stelle& s) {
    const QChar danach = s.nachher();
    if (danach.isNull() || !QStringView(u"lmnr").contains(danach))
        return QStringLiteral("nach dem h steht kein l, m, n oder r");
    return {};
}

// Ein a oder e n Buchstaben vor der Lupe macht das i dahinter zu ai oder ei: "Teig" und "Zweig"
// enden auf ei und g, nicht auf -ig
bool zwielautVorher(const Stelle& s, qsizetype n) {
    return s.vorher(n) == u'e' || s.vorher(n) == u'a';
}

QString keinIg(const Stelle& s) {
    if (s.vorher() == u'i' && !zwielautVorher(s, 2))
        return QStringLiteral("'g' gehört zu 'ig'");
    return {};
}

QString keinEi(const Stelle& s) {
    if (zwielautVorher(s, 1))
        return QStringLiteral("'i' gehört zu %1").arg(zitat(QString(s.vorher()) + u'i'));
    return {};
}

QString nomen(const Stelle& s) {
    if (!s.gross)
        return QStringLiteral("klein geschrieben");
    if (!s.mitArtikel)
        return QStringLiteral("ohne Artikel");
    if (s.von != 0 || s.bis != 1)
        return QStringLiteral("die Lupe steht nicht auf dem Anfangsbuchstaben");
    return {};
}

const Zusatz lauttreu{u"lauttreu", merkstelle};
const Zusatz zweiMitlaute{u"Lupe auf zwei Mitlauten am Wortanfang; lauttreu",
                          zweiMitlauteUndLauttreu};
const Zusatz langesWort{u"Lupe auf dem ganzen Wort, mindestens drei Silben; lauttreu",
                        langUndLauttreu};
const Zusatz langOhneZeichen{u"kein Dehnungszeichen im Wort, danach kein Doppelmitlaut, ck oder tz",
                             langOhneDehnungszeichen};
const Zusatz dehnungsH{u"danach l, m, n oder r", vorLmnr};
const Zusatz nichtIg{u"nicht die Endung ig", keinIg};
const Zusatz nichtEi{u"i nicht in ai oder ei", keinEi};
const Zusatz nomenMitArtikel{u"Nomen mit Artikel, Lupe auf dem großen Anfangsbuchstaben", nomen};

constexpr auto irgendwo = Ort::irgendwo;
constexpr auto anfang = Ort::anfang;
constexpr auto ende = Ort::ende;

// clang-format off
const Kategorieregel kategorieregeln[] = {
    // Code   Lupe auf                   nicht in                    Ort       Zusatz
    {u"LTA_", u"a",                      u"au ai",                   irgendwo, &lauttreu},
    {u"LTE_", u"e",                      u"ei eu ie",                irgendwo, &lauttreu},
    {u"LTI_", u"i",                      u"ai ei ie",                irgendwo, &lauttreu},
    {u"LTO_", u"o",                      u"",                        irgendwo, &lauttreu},
    {u"LTU_", u"u",                      u"au eu äu qu",             irgendwo, &lauttreu},
    {u"LTAU", u"au",                     u"",                        irgendwo, &lauttreu},
    {u"LTEI", u"ei",                     u"",                        irgendwo, &lauttreu},
    {u"LTUM", u"ö ü",                    u"",                        irgendwo, &lauttreu},
    {u"LTKV", u"",                       u"",                        irgendwo, &zweiMitlaute},
    {u"LTLW", u"",                       u"",                        irgendwo, &langesWort},
    {u"SCH_", u"sch",                    u"",                        irgendwo, nullptr},
    {u"CH__", u"ch",                     u"sch chs",                 irgendwo, nullptr},
    {u"EU__", u"eu",                     u"",                        irgendwo, nullptr},
    {u"SZ__", u"ß",                      u"",                        irgendwo, nullptr},
    {u"Z___", u"z",                      u"tz",                      irgendwo, nullptr},
    {u"NG__", u"ng",                     u"",                        irgendwo, nullptr},
    {u"J___", u"j",                      u"",                        irgendwo, nullptr},
    {u"V___", u"v",                      u"",                        irgendwo, nullptr},
    {u"X___", u"x",                      u"",                        irgendwo, nullptr},
    {u"Y___", u"y",                      u"",                        irgendwo, nullptr},
    {u"SP__", u"sp",                     u"",                        anfang,   nullptr},
    {u"ST__", u"st",                     u"",                        anfang,   nullptr},
    {u"QU__", u"qu",                     u"",                        irgendwo, nullptr},
    {u"PF__", u"pf",                     u"",                        irgendwo, nullptr},
    {u"NK__", u"nk",                     u"",                        irgendwo, nullptr},
    {u"CHS_", u"chs",                    u"",                        irgendwo, nullptr},
    {u"TION", u"tion",                   u"",                        irgendwo, nullptr},
    {u"IE__", u"ie",                     u"",                        irgendwo, nullptr},
    {u"IH__", u"ih ieh",                 u"",                        irgendwo, nullptr},
    {u"LIP_", u"i",                      u"ai ei",                   irgendwo, &langOhneZeichen},
    {u"DH__", u"ah eh oh uh äh öh üh",   u"",                        irgendwo, &dehnungsH},
    {u"DV__", u"aa ee oo",               u"",                        irgendwo, nullptr},
    {u"LV__", u"a e o u ä ö ü",          u"au ai ei eu äu aa ee oo", irgendwo, &langOhneZeichen},
    {u"LL__", u"ll",                     u"",                        irgendwo, nullptr},
    {u"MN__", u"mm nn",                  u"",                        irgendwo, nullptr},
    {u"TF__", u"tt ff",                  u"",                        irgendwo, nullptr},
    {u"SS__", u"ss",                     u"",                        irgendwo, nullptr},
    {u"CK__", u"ck",                     u"",                        irgendwo, nullptr},
    {u"TZ__", u"tz",                     u"",                        irgendwo, nullptr},
    {u"VS__", u"ver vor ent be",         u"",                        anfang,   nullptr},
    {u"NS__", u"ung heit keit lich ig",  u"",                        ende,     nullptr},
    {u"AB__", u"b",                      u"",                        ende,     nullptr},
    {u"AD__", u"d",                      u"",                        ende,     nullptr},
    {u"AG__", u"g",                      u"ng",                      ende,     &nichtIg},
    {u"IG__", u"ig",                     u"",                        ende,     &nichtEi},
    {u"AS__", u"s",                      u"ss",                      ende,     nullptr},
    {u"AE__", u"ä",                      u"äu",                      irgendwo, nullptr},
    {u"AEU_", u"äu",                     u"",                        irgendwo, nullptr},
    {u"AEM_", u"ä",                      u"äu",                      irgendwo, nullptr},
    {u"GK1M", u"",                       u"",                        irgendwo, &nomenMitArtikel},
    {u"GK2M", u"",                       u"",                        irgendwo, &nomenMitArtikel},
    {u"GK3M", u"",                       u"",                        irgendwo, &nomenMitArtikel},
};
// clang-format on

const Kategorieregel* regelFuer(QStringView code) {
    for (const Kategorieregel& r : kategorieregeln)
        if (r.code == code)
            return &r;
    return nullptr;
}

QString regeltext(const Kategorieregel& r) {
    QStringList teile;
    if (!r.lupe.isEmpty()) {
        QString t = QStringLiteral("Lupe auf ") + oder(r.lupe);
        if (r.ort == Ort::anfang)
            t += QStringLiteral(" am Wortanfang");
        else if (r.ort == Ort::ende)
            t += QStringLiteral(" am Wortende");
        if (!r.nichtIn.isEmpty())
            t += QStringLiteral(", nicht in ") + oder(r.nichtIn);
        teile.append(t);
    }
    if (r.zusatz)
        teile.append(r.zusatz->text.toString());
    return teile.join(QStringLiteral("; "));
}

QString pruefeRegel(const Kategorieregel& r, const Stelle& s) {
    if (!r.lupe.isEmpty()) {
        if (r.ort == Ort::anfang && s.von != 0)
            return QStringLiteral("die Lupe steht nicht am Wortanfang");
        if (r.ort == Ort::ende && s.bis != s.wort.size())
            return QStringLiteral("die Lupe steht nicht am Wortende");
        if (!liste(r.lupe).contains(s.lupe()))
            return QStringLiteral("unter der Lupe steht %1").arg(zitat(s.lupe()));
        const QString teil = teilVon(s, r.nichtIn);
        if (!teil.isEmpty())
            return teil;
    }
    return r.zusatz ? r.zusatz->pruefe(s) : QString();
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
            const QString grund = pruefeKategorieregel(e, l);
            if (!grund.isEmpty())
                fehler.append({e.datei, e.zeile,
                               QStringLiteral("'%1' passt nicht zu %2 (%3): %4")
                                   .arg(e.wort, l.code, kategorieregel(l.code), grund)});
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

QString kategorieregel(const QString& code) {
    const Kategorieregel* r = regelFuer(code);
    return r ? regeltext(*r) : QString();
}

QString pruefeKategorieregel(const Worteintrag& e, const Lupenstelle& stelle) {
    const Kategorieregel* r = regelFuer(stelle.code);
    // eine unbrauchbare Lupenstelle hat schon ihren eigenen Fehler
    if (!r || stelle.vonPos < 1 || stelle.bisPos < stelle.vonPos || stelle.bisPos > e.wort.size())
        return {};
    Stelle s;
    s.wort = e.wort.toLower();
    s.gross = e.wort.at(0).isUpper();
    // ein falscher Kontext hat schon seinen eigenen Fehler
    s.mitArtikel = e.hatKontext();
    s.von = stelle.vonPos - 1;
    s.bis = stelle.bisPos;
    return pruefeRegel(*r, s);
}

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
