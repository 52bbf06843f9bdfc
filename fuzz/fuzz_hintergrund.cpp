// Das abgelegte Hintergrundbild liegt im Ablageordner des Benutzers, wo jeder es ändern kann:
// was auch darin steht, es wird angenommen, wenn es genau passt, sonst neu gerechnet, und nie
// über das Ende gelesen.
#include "foundation/Hintergrundbild.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
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
