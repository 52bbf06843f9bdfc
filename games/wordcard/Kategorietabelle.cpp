#include "games/wordcard/Kategorietabelle.h"

#include "foundation/ElementLeser.h"
#include "foundation/Textkodierung.h"
#include "foundation/Zahlenwert.h"

#include <algorithm>

namespace varku::zelko {

namespace {

constexpr int elementeJeSatz = 7;

// eine Stelle aus der Datei: gerundet, in den Bereich einer 16-Bit-Zahl gebracht
int stelle(const QString& text) {
    return int(std::clamp(rundeGerade(zahlenwertBegrenzt(text)), -32768.0, 32767.0));
}

Kategoriesatz satzAus(const QStringList& e) {
    Kategoriesatz k;
    k.KatSchluessel = e[0].trimmed();
    k.KriteriumA = e[1];
    k.KatListe = leseKategorieListe(e[2]);
    k.KriteriumB = e[3];
    leseSternAngabe(e[4], k.PosA, k.festA, k.PosB, k.festB);
    k.ErsatzPaare = leseErsatzPaare(e[5]);
    k.LoesTipp = e[6].trimmed();
    return k;
}

bool istLeer(const QStringList& zeile) {
    return std::all_of(zeile.begin(), zeile.end(),
                       [](const QString& e) { return e.trimmed().isEmpty(); });
}

} // namespace

std::vector<Kategoriesatz> leseKategorieTabelle(const QString& text) {
    std::vector<Kategoriesatz> saetze;
    ElementLeser leser(text);
    QStringList offen;
    while (!leser.amEnde()) {
        const QStringList zeile = leser.restDerZeile();
        if (istLeer(zeile))
            continue;
        for (const QString& e : zeile) {
            offen << e;
            if (offen.size() == elementeJeSatz) {
                saetze.push_back(satzAus(offen));
                offen.clear();
            }
        }
    }
    return saetze;
}

std::vector<Kategoriesatz> leseKategorieDatei(const QString& pfad) {
    return leseKategorieTabelle(leseTextdatei(pfad).text);
}

std::optional<Kategoriesatz> findeKategorie(const std::vector<Kategoriesatz>& saetze,
                                            const QString& schluessel) {
    for (const Kategoriesatz& k : saetze)
        if (k.KatSchluessel == schluessel)
            return k;
    return std::nullopt;
}

QStringList leseKategorieListe(const QString& element) {
    QStringList schluessel;
    for (const QString& s : element.split(QLatin1Char(','))) {
        const QString t = s.trimmed();
        if (t.isEmpty())
            break;
        schluessel << t;
    }
    return schluessel;
}

void leseSternAngabe(const QString& element, int& PosA, bool& festA, int& PosB, bool& festB) {
    const QString t = element.trimmed();
    const qsizetype doppelpunkt = t.indexOf(QLatin1Char(':'));
    QString a = doppelpunkt < 0 ? t : t.left(doppelpunkt);
    QString b = doppelpunkt < 0 ? QString() : t.mid(doppelpunkt + 1);
    festA = a.startsWith(QLatin1Char('*'));
    if (festA)
        a.remove(0, 1);
    festB = b.startsWith(QLatin1Char('*'));
    if (festB)
        b.remove(0, 1);
    PosA = stelle(a);
    PosB = stelle(b);
}

std::vector<Ersatzpaar> leseErsatzPaare(const QString& element) {
    std::vector<Ersatzpaar> paare;
    qsizetype pos = 0;
    while (pos < element.size()) {
        const qsizetype doppelpunkt = element.indexOf(QLatin1Char(':'), pos);
        if (doppelpunkt < 0)
            break;
        const qsizetype komma = element.indexOf(QLatin1Char(','), doppelpunkt + 1);
        const qsizetype ende = komma < 0 ? element.size() : komma;
        Ersatzpaar p{element.mid(pos, doppelpunkt - pos).trimmed(),
                     element.mid(doppelpunkt + 1, ende - doppelpunkt - 1).trimmed()};
        // eine leere Seite gäbe eine Lücke ohne Buchstaben
        if (!p.erst.isEmpty() && !p.zweit.isEmpty())
            paare.push_back(p);
        pos = ende + 1;
    }
    return paare;
}

bool istGrossbuchstabe(QChar c) {
    return (c >= u'A' && c <= u'Z') || c == u'Ä' || c == u'Ö' || c == u'Ü';
}

} // namespace varku::zelko
