// Das abgelegte Hintergrundbild liegt im Ablageordner des Benutzers, wo jeder es ändern kann:
// was auch darin steht, es wird angenommen, wenn es genau passt, sonst neu gerechnet, und nie
// über das Ende gelesen. Eine Eingabe, die nicht mit der Kennung der Ablage beginnt, ist das
// Bild selbst: es wird gerechnet, abgelegt und beim nächsten Laden genau so eingeblendet.
#include "foundation/Hintergrundbild.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>

using namespace varku;

namespace {

// Die Quelle ist kein Bild, nur eine Datei fester Größe und Zeit: geprüft wird allein die Ablage.
struct Ort {
    QTemporaryDir ordner;
    QString quelle, ablage, datei;
    const QSize groesse{4, 3};
    Ort() {
        quelle = ordner.filePath(QStringLiteral("quelle.png"));
        ablage = ordner.filePath(QStringLiteral("ablage"));
        QDir().mkpath(ablage);
        QFile q(quelle);
        if (!q.open(QIODevice::WriteOnly) || q.write("kein Bild!") != 10)
            std::abort();
        // erst schreiben, dann die Zeit setzen: sonst setzte das Schreiben sie neu
        q.flush();
        q.setFileTime(QDateTime::fromMSecsSinceEpoch(1700000000000),
                      QFileDevice::FileModificationTime);
        q.close();
        datei = QDir(ablage).filePath(hintergrundAblageName(quelle, groesse));
    }
};

void pruefe(bool bedingung) {
    if (!bedingung)
        std::abort();
}

// Die Eingabe ist die Quelle: erst wird gerechnet, dann liegt das Ergebnis in der Ablage und
// wird beim nächsten Laden Bildpunkt für Bildpunkt so eingeblendet, auch nach dem Freigeben.
struct Bildquelle {
    QTemporaryDir ordner;
    QString quelle = ordner.filePath(QStringLiteral("Himmel.png"));
    QString ablage = ordner.filePath(QStringLiteral("ablage"));
};

bool gleicheZeilen(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 4) != 0)
            return false;
    return true;
}

void rechneBild(const uint8_t* daten, size_t groesse) {
    static Bildquelle ort;
    {
        QFile q(ort.quelle);
        if (!q.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            q.write(reinterpret_cast<const char*>(daten), qint64(groesse)) != qint64(groesse))
            std::abort();
    }
    // auch krumme Größen und eine, die der Quelle gleich sein kann (ohne Skalieren)
    const QSize groessen[] = {{4, 3}, {37, 23}, {1, 1}};
    const QSize ziel = groessen[groesse % 3];
    // die Ablage einer früheren Eingabe gleicher Größe und Zeit gälte sonst als passend
    QDir(ort.ablage).removeRecursively();

    const Hintergrundbild b = ladeHintergrundbild(ort.quelle, ziel, ort.ablage);
    pruefe(!b.eingeblendet);
    if (b.bild.isNull()) {
        pruefe(!b.neu); // kein Bild: nichts abzulegen
        return;
    }
    pruefe(b.neu && b.bild.size() == ziel);
    pruefe(b.bild.format() == QImage::Format_RGB32 ||
           b.bild.format() == QImage::Format_ARGB32_Premultiplied);
    legeHintergrundbildAb(b, ort.quelle, ort.ablage);
    const QString datei = QDir(ort.ablage).filePath(hintergrundAblageName(ort.quelle, ziel));
    pruefe(QFileInfo(datei).size() == 64 + qint64(ziel.width()) * ziel.height() * 4);

    const Hintergrundbild wieder = ladeHintergrundbild(ort.quelle, ziel, ort.ablage);
    pruefe(wieder.eingeblendet && !wieder.neu && wieder.bild.size() == ziel &&
           wieder.bild.format() == b.bild.format());
    pruefe(gleicheZeilen(wieder.bild, b.bild));
    gibZeilenFrei(wieder, 0, ziel.height());
    pruefe(gleicheZeilen(wieder.bild, b.bild));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    if (groesse < 8 || std::memcmp(daten, "VARKUROH", 8) != 0) {
        rechneBild(daten, groesse);
        return 0;
    }
    static Ort ort;
    {
        QFile f(ort.datei);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(daten), qint64(groesse));
    }
    const Hintergrundbild b = ladeHintergrundbild(ort.quelle, ort.groesse, ort.ablage);
    if (!b.eingeblendet)
        return 0; // verworfen: die Quelle ist kein Bild, also bleibt es leer
    if (b.bild.size() != ort.groesse)
        std::abort();
    // jede Zeile ganz lesen: liegt sie nicht in der Datei, findet es der Adressprüfer
    unsigned summe = 0;
    for (int y = 0; y < b.bild.height(); ++y)
        for (int x = 0; x < b.bild.bytesPerLine(); ++x)
            summe += b.bild.constScanLine(y)[x];
    gibZeilenFrei(b, 0, b.bild.height());
    return summe == 0xFFFFFFFFu ? 1 : 0;
}
