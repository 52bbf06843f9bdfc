#include "games/wordcard/Kategorietabelle.h"

#include "foundation/ElementLeser.h"
#include "foundation/Textkodierung.h"
#include "foundation/Zahlenwert.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace varku::zelko {

namespace {

constexpr int elementeJeSatz = 7;

// was in einem Datensatz fehlen kann, in der Reihenfolge der Elemente
const char* const elementNamen[elementeJeSatz] = {"der Schlüssel der Kategorie",
                                                  "das Kriterium für Vorrat A",
                                                  "die Liste der Kategorien",
                                                  "das Kriterium für Vorrat B",
                                                  "die Stellenangabe",
                                                  "die Ersatzpaare",
                                                  "der Lösungstipp"};

// eine Stelle aus der Datei: gerundet, in den Bereich einer 16-Bit-Zahl gebracht
int stelle(const QString& text) {
    return int(std::clamp(rundeGerade(zahlenwertBegrenzt(text)), -32768.0, 32767.0));
}

// "a, b und c"
QString aufgezaehlt(const QStringList& teile) {
    if (teile.size() < 2)
        return teile.join(QString());
    return teile.mid(0, teile.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" und ") +
           teile.last();
}

// "*1:2", "0:0", "3:*1": zwei ganze Zahlen, jede mit einem "*" davor oder ohne
bool istSternAngabe(const QString& element) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*\\*?[+-]?[0-9]+:\\*?[+-]?[0-9]+\\s*$"));
    return form.match(element).hasMatch();
}

// das erste Paar, das keine zwei Buchstabengruppen mit ":" dazwischen ist; leer, wenn alle es sind
QString falschesPaar(const QString& element) {
    const auto nurBuchstaben = [](const QString& s) {
        return !s.isEmpty() &&
               std::all_of(s.begin(), s.end(), [](QChar c) { return c.isLetter(); });
    };
    for (const QString& teil : element.split(QLatin1Char(','))) {
        const QStringList seiten = teil.split(QLatin1Char(':'));
        if (seiten.size() != 2 || !nurBuchstaben(seiten[0].trimmed()) ||
            !nurBuchstaben(seiten[1].trimmed()))
            return teil.trimmed();
    }
    return {};
}

// Was an einer Zeile falsch ist; leer, wenn sie ein ganzer Datensatz ist
QString fehlerDerZeile(const QStringList& e) {
    if (e.size() < elementeJeSatz) {
        QStringList fehlt;
        for (qsizetype i = e.size(); i < elementeJeSatz; ++i)
            fehlt << QString::fromUtf8(elementNamen[i]);
        return QStringLiteral("%1 nur %2 der %3 Elemente; es %4 %5")
            .arg(e.size() == 1 ? QStringLiteral("steht") : QStringLiteral("stehen"))
            .arg(e.size())
            .arg(elementeJeSatz)
            .arg(fehlt.size() == 1 ? QStringLiteral("fehlt") : QStringLiteral("fehlen"),
                 aufgezaehlt(fehlt));
    }
    if (e.size() > elementeJeSatz)
        return QStringLiteral("stehen %1 statt %2 Elemente; ein Element mit Komma gehört in "
                              "Anführungszeichen")
            .arg(e.size())
            .arg(elementeJeSatz);
    if (e[0].trimmed().isEmpty())
        return QStringLiteral("fehlt der Schlüssel der Kategorie");
    if (!istSternAngabe(e[4]))
        return QStringLiteral("ist die Stellenangabe „%1“ unlesbar (richtig wäre etwa 0:0 oder "
                              "*1:2)")
            .arg(e[4].trimmed());
    if (e[5].trimmed().isEmpty())
        return QStringLiteral("fehlen die Ersatzpaare");
    if (const QString paar = falschesPaar(e[5]); !paar.isNull())
        return QStringLiteral("ist das Ersatzpaar „%1“ unlesbar (richtig wäre etwa ie:i)")
            .arg(paar);
    if (e[6].trimmed().isEmpty())
        return QStringLiteral("fehlt der Lösungstipp");
    return {};
}

Kategoriesatz satzAus(const QStringList& e, int zeile) {
    Kategoriesatz k;
    k.KatSchluessel = e[0].trimmed();
    k.KriteriumA = e[1];
    k.KatListe = leseKategorieListe(e[2]);
    k.KriteriumB = e[3];
    leseSternAngabe(e[4], k.PosA, k.festA, k.PosB, k.festB);
    k.ErsatzPaare = leseErsatzPaare(e[5]);
    k.LoesTipp = e[6].trimmed();
    k.zeile = zeile;
    return k;
}

bool istLeer(const QStringList& zeile) {
    return std::all_of(zeile.begin(), zeile.end(),
                       [](const QString& e) { return e.trimmed().isEmpty(); });
}

} // namespace

Laufzeitfehler kategorieDateiFehler(const QString& datei, const QString& was, int nummer) {
    return Laufzeitfehler(nummer, QStringLiteral("Die Datei %1 ist beschädigt").arg(datei), was);
}

std::vector<Kategoriesatz> leseKategorieTabelle(const QString& text, const QString& datei) {
    std::vector<Kategoriesatz> saetze;
    ElementLeser leser(text);
    // jeder Aufruf liest eine Zeile: ein offenes Anführungszeichen endet am Zeilenende
    for (int zeile = 1; !leser.amEnde(); ++zeile) {
        const QStringList elemente = leser.restDerZeile();
        if (istLeer(elemente))
            continue;
        if (const QString fehler = fehlerDerZeile(elemente); !fehler.isNull())
            throw kategorieDateiFehler(datei,
                                       QStringLiteral("in Zeile %1 %2").arg(zeile).arg(fehler));
        saetze.push_back(satzAus(elemente, zeile));
    }
    if (saetze.empty())
        throw kategorieDateiFehler(datei, QStringLiteral("sie enthält keinen Datensatz"));
    return saetze;
}

std::vector<Kategoriesatz> leseKategorieDatei(const QString& pfad) {
    return leseKategorieTabelle(leseTextdatei(pfad).text, QFileInfo(pfad).fileName());
}

std::optional<Kategoriesatz> findeKategorie(const std::vector<Kategoriesatz>& saetze,
                                            const QString& schluessel) {
    for (const Kategoriesatz& k : saetze)
        if (k.KatSchluessel == schluessel)
            return k;
    return std::nullopt;
}

Kategoriesatz leseKategorie(const QString& pfad, const QString& schluessel) {
    const auto satz = findeKategorie(leseKategorieDatei(pfad), schluessel);
    if (!satz)
        throw kategorieDateiFehler(
            QFileInfo(pfad).fileName(),
            QStringLiteral("der Datensatz der Kategorie %1 fehlt").arg(schluessel));
    return *satz;
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
