#include "foundation/Hintergrundbild.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varku {

namespace {

constexpr char kennung[8] = {'V', 'A', 'R', 'K', 'U', 'R', 'O', 'H'};
constexpr quint32 fassung = 1;
// so groß ist der Kopf; die Zeilen danach liegen ausgerichtet wie in einem QImage
constexpr qint64 kopfGroesse = 64;

// deckende Bilder ohne Alpha, durchscheinende vormultipliziert: beides 32 Bit, wie der Schirm
QImage::Format formatFuer(const QImage& bild) {
    return bild.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

bool erlaubtesFormat(quint32 f) {
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

struct Kopf {
    quint32 breite = 0, hoehe = 0, zeilenBytes = 0, format = 0;
    qint64 quellGroesse = 0, quellZeit = 0;
};

QByteArray schreibeKopf(const Kopf& k) {
    QByteArray b(kopfGroesse, '\0');
    char* p = b.data();
    std::memcpy(p, kennung, 8);
    qToLittleEndian<quint32>(fassung, p + 8);
    qToLittleEndian<quint32>(k.breite, p + 12);
    qToLittleEndian<quint32>(k.hoehe, p + 16);
    qToLittleEndian<quint32>(k.zeilenBytes, p + 20);
    qToLittleEndian<qint64>(k.quellGroesse, p + 24);
    qToLittleEndian<qint64>(k.quellZeit, p + 32);
    qToLittleEndian<quint32>(k.format, p + 40);
    return b;
}

bool leseKopf(const uchar* p, Kopf& k) {
    if (std::memcmp(p, kennung, 8) != 0 || qFromLittleEndian<quint32>(p + 8) != fassung)
        return false;
    k.breite = qFromLittleEndian<quint32>(p + 12);
    k.hoehe = qFromLittleEndian<quint32>(p + 16);
    k.zeilenBytes = qFromLittleEndian<quint32>(p + 20);
    k.quellGroesse = qFromLittleEndian<qint64>(p + 24);
    k.quellZeit = qFromLittleEndian<qint64>(p + 32);
    k.format = qFromLittleEndian<quint32>(p + 40);
    return erlaubtesFormat(k.format);
}

// Eine eingeblendete Datei; das QImage gibt sie frei, wenn es selbst geht.
struct Eingeblendet {
    void* adresse;
    size_t laenge;
};

// Das abgelegte Bild, ohne es zu kopieren: das QImage liest aus der eingeblendeten Datei.
QImage ausAblage(const QString& datei, const Kopf& erwartet) {
    const qint64 laenge = kopfGroesse + qint64(erwartet.hoehe) * erwartet.zeilenBytes;
    const int fd = ::open(QFile::encodeName(datei).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat st {};
    void* adresse = MAP_FAILED;
    if (::fstat(fd, &st) == 0 && st.st_size == laenge)
        adresse = ::mmap(nullptr, size_t(laenge), PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (adresse == MAP_FAILED)
        return {};
    const auto* daten = static_cast<const uchar*>(adresse);
    Kopf k;
    if (!leseKopf(daten, k) || k.breite != erwartet.breite || k.hoehe != erwartet.hoehe ||
        k.zeilenBytes != erwartet.zeilenBytes || k.quellGroesse != erwartet.quellGroesse ||
        k.quellZeit != erwartet.quellZeit) {
        ::munmap(adresse, size_t(laenge));
        return {};
    }
    return QImage(
        daten + kopfGroesse, int(k.breite), int(k.hoehe), qsizetype(k.zeilenBytes),
        QImage::Format(k.format),
        [](void* info) {
            auto* e = static_cast<Eingeblendet*>(info);
            ::munmap(e->adresse, e->laenge);
            delete e;
        },
        new Eingeblendet{adresse, size_t(laenge)});
}

void legeAb(const QString& datei, const QImage& bild, const Kopf& k) {
    if (!QDir().mkpath(QFileInfo(datei).path()))
        return;
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write(schreibeKopf(k));
    for (int y = 0; y < bild.height(); ++y)
        f.write(reinterpret_cast<const char*>(bild.constScanLine(y)), k.zeilenBytes);
    // erst das Umbenennen macht sie gültig: ein Abbruch lässt die alte oder keine
    f.commit();
}

// Liest das Bild und zieht es glatt auf die Größe, so wie es sonst jedes Zeichnen täte
QImage rechne(const QString& quelle, const QSize& groesse) {
    QImage bild(quelle);
    if (bild.isNull() || groesse.isEmpty())
        return bild;
    if (bild.size() == groesse)
        return bild.convertToFormat(formatFuer(bild));
    QImage passend(groesse, formatFuer(bild));
    passend.fill(Qt::transparent);
    QPainter p(&passend);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(passend.rect(), bild);
    return passend;
}

} // namespace

QString hintergrundAblageName(const QString& quelle, const QSize& groesse) {
    const QFileInfo info(quelle);
    // zwei Programmordner mit gleich benannten Bildern teilen sich keine Datei
    return QStringLiteral("%1-%2-%3x%4.roh")
        .arg(info.completeBaseName())
        .arg(qHash(info.absoluteFilePath()), 0, 16)
        .arg(groesse.width())
        .arg(groesse.height());
}

namespace {

// Was die Ablage über die Quelle festhält; der Name der Datei hängt an Quelle und Größe
struct Ablageort {
    QString datei;
    Kopf kopf;
};

std::optional<Ablageort> ablageort(const QString& quelle, const QSize& groesse,
                                   const QString& ablage) {
    const QFileInfo info(quelle);
    if (ablage.isEmpty() || !info.isFile() || groesse.isEmpty())
        return std::nullopt;
    Ablageort o;
    o.datei = QDir(ablage).filePath(hintergrundAblageName(quelle, groesse));
    o.kopf.breite = quint32(groesse.width());
    o.kopf.hoehe = quint32(groesse.height());
    o.kopf.zeilenBytes = quint32(groesse.width()) * 4; // 32 Bit je Bildpunkt, ohne Füllbytes
    o.kopf.quellGroesse = info.size();
    o.kopf.quellZeit = info.lastModified().toMSecsSinceEpoch();
    return o;
}

} // namespace

Hintergrundbild ladeHintergrundbild(const QString& quelle, const QSize& groesse,
                                    const QString& ablage) {
    const std::optional<Ablageort> o = ablageort(quelle, groesse, ablage);
    if (o) {
        QImage abgelegt = ausAblage(o->datei, o->kopf);
        if (!abgelegt.isNull())
            return {std::move(abgelegt), true, false};
    }
    QImage bild = rechne(quelle, groesse);
    const bool neu = o && !bild.isNull();
    return {std::move(bild), false, neu};
}

void legeHintergrundbildAb(const Hintergrundbild& b, const QString& quelle, const QString& ablage) {
    std::optional<Ablageort> o = ablageort(quelle, b.bild.size(), ablage);
    if (!o || b.bild.isNull())
        return;
    o->kopf.format = quint32(b.bild.format());
    if (erlaubtesFormat(o->kopf.format) && b.bild.bytesPerLine() >= qsizetype(o->kopf.zeilenBytes))
        legeAb(o->datei, b.bild, o->kopf);
}

void gibZeilenFrei(const Hintergrundbild& b, int von, int bis) {
    // nur eingeblendete Seiten: ein gerechnetes Bild verlöre sonst seinen Inhalt
    if (!b.eingeblendet || b.bild.isNull())
        return;
    von = std::max(von, 0);
    bis = std::min(bis, b.bild.height());
    if (von >= bis)
        return;
    const auto seite = quintptr(sysconf(_SC_PAGESIZE));
    const auto anfang = quintptr(b.bild.constScanLine(von));
    const auto ende = quintptr(b.bild.constScanLine(bis - 1)) + quintptr(b.bild.bytesPerLine());
    // nur ganze Seiten, die allein diesen Zeilen gehören
    const quintptr erste = (anfang + seite - 1) / seite * seite;
    const quintptr letzte = ende / seite * seite;
    if (erste < letzte)
        ::madvise(reinterpret_cast<void*>(erste), letzte - erste, MADV_DONTNEED);
}

} // namespace varku
