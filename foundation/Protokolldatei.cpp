#include "foundation/Protokolldatei.h"

#include "foundation/Routinen.h"
#include "foundation/Textkodierung.h"
#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace varku {

namespace {

[[noreturn]] void dateifehler(const QString& pfad) {
    throw Laufzeitfehler(Laufzeitfehler::DateiZugriff, QStringLiteral("Pfad/Datei-Zugriffsfehler"),
                         pfad);
}

// die Nummer vor dem "=": Ziffern, vorn und hinten Leerzeichen erlaubt
// mehr steht vor dem "=" einer echten Zeile nie; wer mehr schreibt, hat keine Nummer
constexpr qsizetype hoechstensVorn = 64;

bool liesNummer(QStringView text, int& nummer) {
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 6)
        return false;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < -32768 || n > 32767)
        return false;
    nummer = n;
    return true;
}

} // namespace

QString protokollPfad(const QString& userPfad, const QString& stamm) {
    return userPfad + QLatin1Char('/') + stamm + QStringLiteral(".tmp");
}

bool istProtokollStamm(const QString& stamm) {
    if (stamm.size() != 8)
        return false;
    for (QChar c : stamm)
        if (c < u'A' || c > u'Z')
            return false;
    return true;
}

QString erzeugeTmpName(const QString& userPfad) {
    // 26 hoch 8 Namen: scheitert es tausendmal, stimmt mit dem Ordner etwas nicht
    for (int versuch = 0; versuch < 1000; ++versuch) {
        QString stamm;
        for (int i = 0; i < 8; ++i)
            stamm += QChar(char16_t(zufallszahl(65, 90)));
        if (!QFileInfo::exists(protokollPfad(userPfad, stamm)))
            return stamm;
    }
    throw Laufzeitfehler(Laufzeitfehler::DateiZugriff,
                         QStringLiteral("Kein freier Name für eine Protokolldatei"), userPfad);
}

void legeProtokollAn(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        dateifehler(pfad);
}

void loescheProtokoll(const QString& pfad) {
    if (QFileInfo::exists(pfad) && !QFile::remove(pfad))
        dateifehler(pfad);
}

Protokollschreiber::Protokollschreiber() = default;
Protokollschreiber::~Protokollschreiber() = default;
Protokollschreiber::Protokollschreiber(Protokollschreiber&&) noexcept = default;
Protokollschreiber& Protokollschreiber::operator=(Protokollschreiber&&) noexcept = default;

void Protokollschreiber::oeffne(const QString& pfad) {
    schliesse();
    auto f = std::make_unique<QFile>(pfad);
    if (!f->open(QIODevice::WriteOnly | QIODevice::Append))
        dateifehler(pfad);
    m_datei = std::move(f);
}

void Protokollschreiber::schliesse() {
    if (m_datei)
        m_datei->close();
    m_datei.reset();
}

bool Protokollschreiber::offen() const {
    return m_datei && m_datei->isOpen();
}

QString Protokollschreiber::pfad() const {
    return m_datei ? m_datei->fileName() : QString();
}

void Protokollschreiber::schreibe(long refNr, bool richtig, const QString& eingabe) {
    if (!offen())
        throw Laufzeitfehler(52, QStringLiteral("Dateiname oder -nummer falsch"),
                             QStringLiteral("Protokolldatei"));
    const QString zeile = QString::number(refNr) + QStringLiteral("= ") +
                          (richtig ? QStringLiteral("OK") : eingabe) + QStringLiteral("\r\n");
    const QByteArray bytes = kodiere(zeile, Kodierung::Windows1252);
    if (m_datei->write(bytes) != bytes.size() || !m_datei->flush())
        dateifehler(m_datei->fileName());
}

std::vector<Protokolleintrag> leseProtokollAus(const QByteArray& bytes) {
    std::vector<Protokolleintrag> eintraege;
    const QString text = dateiText(bytes);
    qsizetype anfang = 0;
    while (anfang < text.size()) {
        qsizetype ende = anfang;
        while (ende < text.size() && text.at(ende) != u'\r' && text.at(ende) != u'\n')
            ++ende;
        const QStringView zeile = QStringView(text).mid(anfang, ende - anfang);
        // CR LF, LF oder CR beenden eine Zeile
        anfang = ende;
        if (anfang < text.size() && text.at(anfang) == u'\r')
            ++anfang;
        if (anfang < text.size() && text.at(anfang) == u'\n')
            ++anfang;

        const qsizetype gleich = zeile.indexOf(u'=');
        Protokolleintrag e;
        if (gleich < 0 || gleich > hoechstensVorn || !liesNummer(zeile.left(gleich), e.refNr))
            continue;
        const QStringView rest = zeile.mid(gleich + 1);
        e.richtig = rest == u" OK";
        // hinter "= " steht das Getippte, wie es war
        if (!e.richtig)
            e.eingabe = (rest.startsWith(u' ') ? rest.mid(1) : rest).toString();
        eintraege.push_back(std::move(e));
    }
    return eintraege;
}

namespace {

constexpr qsizetype stueckGroesse = 64 * 1024;

// Die Kodierung der ganzen Datei, Stück für Stück erkannt; ein Stück endet nie mitten in einem
// Zeichen, die Bytes danach kommen zum nächsten
Kodierung kodierungDerQuelle(QIODevice& quelle) {
    QByteArray rest;
    for (;;) {
        QByteArray stueck = rest + quelle.read(stueckGroesse);
        const bool ende = quelle.atEnd();
        rest.clear();
        if (!ende) {
            qsizetype k = stueck.size();
            while (k > 0 && stueck.size() - k < 4 && (uchar(stueck.at(k - 1)) & 0xC0) == 0x80)
                --k;
            if (k > 0 && uchar(stueck.at(k - 1)) >= 0xC0)
                --k; // das Anfangsbyte eines Zeichens, das im nächsten Stück weitergeht
            rest = stueck.mid(k);
            stueck.truncate(k);
        }
        if (erkenneKodierung(stueck) == Kodierung::Windows1252)
            return Kodierung::Windows1252;
        if (ende)
            return Kodierung::Utf8;
    }
}

// Eine Zeile, wie sie beim Lesen vorbeikommt: der Teil vor dem "=" (gekappt) und die ersten
// Bytes dahinter mit ihrer Länge
struct Zeilenstand {
    QByteArray vorn;
    bool gleich = false;
    bool zuLang = false;
    QByteArray hinten; // höchstens 4 Bytes
    qsizetype hintenLaenge = 0;

    // ein Stück einer Zeile, ohne Zeilenende
    void nimm(const char* a, const char* e) {
        if (!gleich) {
            const char* g = std::find(a, e, '=');
            // so viele Bytes hat jedes Zeichen höchstens
            const qsizetype platz = 4 * hoechstensVorn - vorn.size();
            if (g - a > platz) {
                zuLang = true;
                vorn.append(a, platz);
            } else {
                vorn.append(a, g - a);
            }
            if (g == e)
                return;
            gleich = true;
            a = g + 1;
        }
        hinten.append(a, std::min<qsizetype>(e - a, 4 - hinten.size()));
        hintenLaenge += e - a;
    }
    void melde(Kodierung k, const std::function<void(int, bool)>& jeZeile) {
        int nummer = 0;
        const QString text = zuLang ? QString() : dekodiere(vorn, k);
        if (gleich && !zuLang && text.size() <= hoechstensVorn && liesNummer(text, nummer))
            jeZeile(nummer, hintenLaenge == 3 && hinten == " OK");
        *this = {};
    }
};

} // namespace

void leseProtokollNummern(QIODevice& quelle, const std::function<void(int, bool)>& jeZeile) {
    const Kodierung k = kodierungDerQuelle(quelle);
    quelle.seek(0);
    Zeilenstand zeile;
    bool leer = true;    // in der Zeile stand noch nichts, auch kein Zeilenende
    bool nachCR = false; // ein LF gleich nach CR beendet keine weitere Zeile
    bool anfang = true;
    while (!quelle.atEnd()) {
        QByteArray stueck = quelle.read(stueckGroesse);
        if (stueck.isEmpty())
            break;
        qsizetype i = 0;
        if (anfang && k == Kodierung::Utf8 && stueck.startsWith("\xEF\xBB\xBF"))
            i = 3;
        anfang = false;
        const char* p = stueck.constData() + i;
        const char* const ende = stueck.constData() + stueck.size();
        while (p < ende) {
            if (*p == '\n' && nachCR) {
                nachCR = false;
                ++p;
                continue;
            }
            nachCR = false;
            const char* z = std::find_if(p, ende, [](char c) { return c == '\r' || c == '\n'; });
            if (z > p) {
                zeile.nimm(p, z);
                leer = false;
            }
            if (z == ende)
                break;
            nachCR = *z == '\r';
            zeile.melde(k, jeZeile);
            leer = true;
            p = z + 1;
        }
    }
    if (!leer)
        zeile.melde(k, jeZeile);
}

void leseProtokollNummern(const QString& pfad, const std::function<void(int, bool)>& jeZeile) {
    QFile f(pfad);
    if (!f.exists())
        return;
    if (!f.open(QIODevice::ReadOnly))
        dateifehler(pfad);
    leseProtokollNummern(f, jeZeile);
}

std::vector<Protokolleintrag> leseProtokoll(const QString& pfad) {
    QFile f(pfad);
    if (!f.exists())
        return {};
    if (!f.open(QIODevice::ReadOnly))
        dateifehler(pfad);
    return leseProtokollAus(f.readAll());
}

} // namespace varku
