#include "data/woerter/Wortdatei.h"

#include "foundation/ElementLeser.h"

#include <QSet>
#include <QStringDecoder>

namespace varku {

namespace {

bool istErlaubterBuchstabe(QChar z) {
    const char16_t u = z.unicode();
    if ((u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z'))
        return true;
    return QStringView(u"ÄÖÜäöüß").contains(z);
}

bool nurZiffern(const QString& s) {
    if (s.isEmpty())
        return false;
    for (const QChar z : s)
        if (z < u'0' || z > u'9')
            return false;
    return true;
}

// Zeichen für Meldungen: sichtbare wie sie sind, andere als U+XXXX
QString zeigeZeichen(QChar z) {
    if (z.isPrint() && !z.isSpace())
        return QStringLiteral("'%1'").arg(z);
    return QStringLiteral("U+%1").arg(int(z.unicode()), 4, 16, QLatin1Char('0')).toUpper();
}

// nullopt, wenn die Bytes kein gültiges UTF-8 sind
std::optional<QString> alsUtf8(const QByteArray& bytes) {
    QStringDecoder dekoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = dekoder.decode(bytes);
    if (dekoder.hasError())
        return std::nullopt;
    return text;
}

class Zeilenpruefer {
public:
    Zeilenpruefer(Wortdatei& datei, int zeile) : m_datei(datei), m_zeile(zeile) {}

    void fehler(const QString& text) { m_datei.fehler.append({m_datei.name, m_zeile, text}); }

    void pruefe(const QString& zeile);

private:
    void leseRefNr(const QString& feld, Worteintrag& e);
    void leseKategorien(const QString& feld, Worteintrag& e);
    void pruefeSatz(const QString& satz);
    QString leseTranskript(const QString& feld, const char* name);

    Wortdatei& m_datei;
    int m_zeile;
};

void Zeilenpruefer::pruefe(const QString& zeile) {
    for (const QChar z : zeile) {
        if (z.category() == QChar::Other_Control) {
            fehler(QStringLiteral("Steuerzeichen %1 in der Zeile").arg(zeigeZeichen(z)));
            break;
        }
    }
    QStringList felder = zeile.split(QLatin1Char('|'));
    for (QString& f : felder)
        f = f.trimmed();
    if (felder.size() != 8 && felder.size() != 10) {
        fehler(QStringLiteral("%1 Felder statt 8 oder 10 (Felder durch ' | ' getrennt)")
                   .arg(felder.size()));
        return;
    }

    Worteintrag e;
    e.datei = m_datei.name;
    e.zeile = m_zeile;
    leseRefNr(felder[0], e);

    e.wort = felder[1];
    const QString wortFehler = pruefeWort(e.wort);
    if (!wortFehler.isEmpty())
        fehler(wortFehler);

    e.kontext = felder[2];
    static const QStringList kontexte = {QStringLiteral("der"), QStringLiteral("die"),
                                         QStringLiteral("das"), QStringLiteral("-")};
    if (!kontexte.contains(e.kontext))
        fehler(QStringLiteral("Kontext '%1' ist nicht der, die, das oder -").arg(e.kontext));

    const QString& komplex = felder[3];
    if (komplex.size() == 1 && komplex[0] >= u'1' && komplex[0] <= u'6')
        e.komplexInd = komplex[0].unicode() - u'0';
    else
        fehler(QStringLiteral("KomplexInd '%1' ist keine Zahl von 1 bis 6").arg(komplex));

    if (felder[4] == QLatin1String("G"))
        e.gws = true;
    else if (felder[4] != QLatin1String("-"))
        fehler(QStringLiteral("GWS '%1' ist nicht G oder -").arg(felder[4]));

    leseKategorien(felder[5], e);

    e.satz = felder[6];
    pruefeSatz(e.satz);

    e.umschreibung = felder[7];
    if (e.umschreibung.isEmpty())
        fehler(QStringLiteral("Umschreibung fehlt"));

    if (felder.size() == 10) {
        e.wortTranskr = leseTranskript(felder[8], "WortTranskr");
        e.satzTranskr = leseTranskript(felder[9], "SatzTranskr");
        if (e.satzTranskr.contains(QLatin1Char('@')))
            fehler(QStringLiteral("SatzTranskr darf kein '@' enthalten"));
    }
    m_datei.woerter.append(e);
}

void Zeilenpruefer::leseRefNr(const QString& feld, Worteintrag& e) {
    const int nr = feld.size() <= 5 && nurZiffern(feld) ? feld.toInt() : 0;
    if (nr >= 1 && nr <= 32767)
        e.refNr = nr;
    else
        fehler(QStringLiteral("RefNr '%1' ist keine Zahl von 1 bis 32767").arg(feld));
}

void Zeilenpruefer::leseKategorien(const QString& feld, Worteintrag& e) {
    const QStringList angaben = feld.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (angaben.isEmpty()) {
        fehler(QStringLiteral("keine Kategorie angegeben"));
        return;
    }
    QSet<QString> gesehen;
    for (const QString& angabe : angaben) {
        const qsizetype gleich = angabe.indexOf(QLatin1Char('='));
        if (gleich <= 0) {
            fehler(QStringLiteral("Kategorie '%1' nicht in der Form CODE=Wort mit [Lupenstelle]")
                       .arg(angabe));
            continue;
        }
        const QString code = angabe.left(gleich);
        if (gesehen.contains(code)) {
            fehler(QStringLiteral("Kategorie %1 steht zweimal beim Wort").arg(code));
            continue;
        }
        gesehen.insert(code);
        QString grund;
        const auto stelle = leseLupenstelle(code, angabe.mid(gleich + 1), e.wort, grund);
        if (!stelle)
            fehler(grund);
        // auch eine falsche Lupenstelle zählt für die Kategorie, sonst folgen Zählfehler
        e.kategorien.append(stelle ? *stelle : Lupenstelle{code, 0, 0});
    }
}

void Zeilenpruefer::pruefeSatz(const QString& satz) {
    if (satz.isEmpty()) {
        fehler(QStringLiteral("Satz fehlt"));
        return;
    }
    const qsizetype at = satz.count(QLatin1Char('@'));
    if (at == 0)
        fehler(QStringLiteral("Satz ohne '@' an der Stelle des Wortes"));
    if (at > 1)
        fehler(QStringLiteral("Satz hat %1-mal '@', erlaubt ist genau eines").arg(at));
    const QChar ende = satz.back();
    if (ende != u'.' && ende != u'!' && ende != u'?')
        fehler(QStringLiteral("Satz endet nicht mit '.', '!' oder '?'"));
}

QString Zeilenpruefer::leseTranskript(const QString& feld, const char* name) {
    if (feld == QLatin1String("-"))
        return {};
    if (feld.isEmpty())
        fehler(QStringLiteral("%1 ist leer; '-' steht für keine Umschrift").arg(name));
    return feld;
}

} // namespace

QString pruefeWort(const QString& wort) {
    if (wort.isEmpty())
        return QStringLiteral("Wort fehlt");
    for (const QChar z : wort) {
        if (!istErlaubterBuchstabe(z))
            return QStringLiteral("Wort '%1' enthält das unerlaubte Zeichen %2")
                .arg(wort, zeigeZeichen(z));
    }
    if (wort.size() > maxWortlaenge)
        return QStringLiteral("Wort '%1' hat %2 Buchstaben, erlaubt sind höchstens %3")
            .arg(wort)
            .arg(wort.size())
            .arg(maxWortlaenge);
    return {};
}

std::optional<Lupenstelle> leseLupenstelle(const QString& code, const QString& markiert,
                                           const QString& wort, QString& fehler) {
    const QString vorn = QStringLiteral("Lupenstelle %1=%2: ").arg(code, markiert);
    const qsizetype auf = markiert.indexOf(QLatin1Char('['));
    const qsizetype zu = markiert.indexOf(QLatin1Char(']'));
    if (markiert.count(QLatin1Char('[')) != 1 || markiert.count(QLatin1Char(']')) != 1) {
        fehler = vorn + QStringLiteral("genau ein Klammerpaar [ ] erwartet");
        return std::nullopt;
    }
    if (zu < auf) {
        fehler = vorn + QStringLiteral("']' steht vor '['");
        return std::nullopt;
    }
    if (zu == auf + 1) {
        fehler = vorn + QStringLiteral("nichts markiert");
        return std::nullopt;
    }
    QString ohne = markiert;
    ohne.remove(zu, 1).remove(auf, 1);
    if (ohne != wort) {
        fehler =
            vorn + QStringLiteral("ohne Klammern steht '%1' statt des Wortes '%2'").arg(ohne, wort);
        return std::nullopt;
    }
    // "Fi[sch]": '[' an Index 2 ist der erste markierte Buchstabe (3.), ']' an Index 6 folgt
    // auf den letzten (5.)
    return Lupenstelle{code, int(auf) + 1, int(zu) - 1};
}

Wortdatei leseWortdatei(const QByteArray& inhalt, const QString& name) {
    Wortdatei datei;
    datei.name = name;
    const std::vector<RohZeile> zeilen = zerlegeInZeilen(inhalt);
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const int nr = int(i) + 1;
        QByteArray bytes = zeilen[i].inhalt;
        if (i == 0 && bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        const std::optional<QString> text = alsUtf8(bytes);
        if (!text) {
            datei.fehler.append({name, nr, QStringLiteral("kein gültiges UTF-8")});
            continue;
        }
        const QString zeile = text->trimmed();
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('#')))
            continue;
        Zeilenpruefer(datei, nr).pruefe(zeile);
    }
    return datei;
}

} // namespace varku
