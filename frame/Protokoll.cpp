#include "frame/Protokoll.h"

#include "foundation/Routinen.h"
#include "foundation/Textkodierung.h"
#include "frame/GlobModul.h"
#include "frame/Spieler.h"
#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <QFileInfo>
#include <memory>

namespace varku {

namespace {

std::unique_ptr<QFile>& offeneDatei() {
    static std::unique_ptr<QFile> f;
    return f;
}

[[noreturn]] void dateifehler(const QString& pfad) {
    throw Laufzeitfehler(Laufzeitfehler::DateiZugriff, QStringLiteral("Pfad/Datei-Zugriffsfehler"),
                         pfad);
}

} // namespace

QString protokollPfad(const QString& stamm) {
    return UserPfad + QLatin1Char('/') + stamm + QStringLiteral(".tmp");
}

QString erzeugeTmpName() {
    // 26 hoch 8 Namen: scheitert es tausendmal, stimmt mit dem Ordner etwas nicht
    for (int versuch = 0; versuch < 1000; ++versuch) {
        QString stamm;
        for (int i = 0; i < 8; ++i)
            stamm += QChar(char16_t(zufallszahl(65, 90)));
        if (!QFileInfo::exists(protokollPfad(stamm)))
            return stamm;
    }
    throw Laufzeitfehler(Laufzeitfehler::DateiZugriff,
                         QStringLiteral("Kein freier Name für eine Protokolldatei"), UserPfad);
}

void legeProtokollAn(const QString& stamm) {
    QFile f(protokollPfad(stamm));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        dateifehler(f.fileName());
}

void schliesseProtokoll() {
    if (offeneDatei())
        offeneDatei()->close();
    offeneDatei().reset();
    protokollDateiNr = 0;
}

void oeffneProtokoll() {
    if (protokollDateiNr > 0)
        schliesseProtokoll();
    auto f = std::make_unique<QFile>(protokollPfad(SpielerDatei[size_t(aktSpieler)]));
    if (!f->open(QIODevice::WriteOnly | QIODevice::Append))
        dateifehler(f->fileName());
    offeneDatei() = std::move(f);
    protokollDateiNr = 1;
}

void schreibeProtokoll(bool richtig, long refNr, const QString& eingabe) {
    QFile* f = offeneDatei().get();
    if (!f || !f->isOpen())
        throw Laufzeitfehler(52, QStringLiteral("Dateiname oder -nummer falsch"),
                             QStringLiteral("Protokolldatei"));
    const QString zeile = QString::number(refNr) + QStringLiteral("= ") +
                          (richtig ? QStringLiteral("OK") : eingabe) + QStringLiteral("\r\n");
    const QByteArray bytes = kodiere(zeile, Kodierung::Windows1252);
    if (f->write(bytes) != bytes.size() || !f->flush())
        dateifehler(f->fileName());
}

void loescheProtokoll(const QString& stamm) {
    const QString pfad = protokollPfad(stamm);
    // Eine schon fehlende Datei ist kein Grund, das Programm zu beenden.
    if (QFileInfo::exists(pfad) && !QFile::remove(pfad))
        dateifehler(pfad);
}

} // namespace varku
