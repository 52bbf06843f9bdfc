#include "foundation/Protokolldatei.h"

#include "foundation/Routinen.h"
#include "foundation/Textkodierung.h"
#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <QFileInfo>

namespace varku {

namespace {

[[noreturn]] void dateifehler(const QString& pfad) {
    throw Laufzeitfehler(Laufzeitfehler::DateiZugriff, QStringLiteral("Pfad/Datei-Zugriffsfehler"),
                         pfad);
}

// die Nummer vor dem "=": Ziffern, vorn und hinten Leerzeichen erlaubt
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
        if (gleich < 0 || !liesNummer(zeile.left(gleich), e.refNr))
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

std::vector<Protokolleintrag> leseProtokoll(const QString& pfad) {
    QFile f(pfad);
    if (!f.exists())
        return {};
    if (!f.open(QIODevice::ReadOnly))
        dateifehler(pfad);
    return leseProtokollAus(f.readAll());
}

} // namespace varku
