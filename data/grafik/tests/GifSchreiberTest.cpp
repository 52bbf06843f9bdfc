#include "data/grafik/GifSchreiber.h"
#include "data/grafik/Farbreduktion.h"
#include "data/grafik/Kachel.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace varku;

namespace {

QImage indexBild(int breite, int hoehe, const QList<QRgb>& tafel,
                 const std::function<int(int, int)>& punkt) {
    QImage bild(breite, hoehe, QImage::Format_Indexed8);
    bild.setColorTable(tafel);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, uint(punkt(x, y)));
    return bild;
}

QList<QRgb> bunteTafel(int anzahl) {
    QList<QRgb> tafel;
    for (int i = 0; i < anzahl; ++i)
        tafel.append(qRgb((i * 37) & 0xff, (i * 91 + 13) & 0xff, 255 - i));
    return tafel;
}

QImage rauschen(int breite, int hoehe, int farben, quint32 start) {
    QRandomGenerator zufall(start);
    return indexBild(breite, hoehe, bunteTafel(farben),
                     [&](int, int) { return int(zufall.bounded(farben)); });
}

// zählt die Abweichungen zwischen Qts Lesart der GIF-Daten und dem Indexbild
int abweichungen(const QImage& quelle, const QByteArray& gif) {
    const QImage gelesen = QImage::fromData(gif, "GIF").convertToFormat(QImage::Format_ARGB32);
    if (gelesen.size() != quelle.size())
        return -1;
    const QImage soll = quelle.convertToFormat(QImage::Format_ARGB32);
    int falsch = 0;
    for (int y = 0; y < soll.height(); ++y) {
        for (int x = 0; x < soll.width(); ++x) {
            const QRgb s = soll.pixel(x, y), g = gelesen.pixel(x, y);
            const bool gleich = qAlpha(s) < 128 ? qAlpha(g) == 0 : g == (s | 0xff000000);
            falsch += gleich ? 0 : 1;
        }
    }
    return falsch;
}

int wortBei(const QByteArray& gif, qsizetype pos) {
    return uchar(gif[pos]) | uchar(gif[pos + 1]) << 8;
}

// Strenger Nachleser für das, was Qt großzügig übergeht: Code für Code durch den
// LZW-Strom, nach genau breite*hoehe Punkten muss der Endcode in der richtigen
// Breite stehen, dahinter nichts mehr. Leer heißt sauber.
QString pruefeCodestrom(const QByteArray& gif) {
    const qsizetype groesse = gif.size();
    qsizetype pos = 13;
    if (uchar(gif[10]) & 0x80)
        pos += 3 * (1 << ((uchar(gif[10]) & 7) + 1));
    while (pos + 1 < groesse && uchar(gif[pos]) == 0x21) {
        pos += 2;
        while (pos < groesse && uchar(gif[pos]) != 0)
            pos += uchar(gif[pos]) + 1;
        ++pos;
    }
    if (pos + 11 > groesse || uchar(gif[pos]) != 0x2c)
        return "kein Bildblock";
    const qint64 punkteSoll = qint64(wortBei(gif, pos + 5)) * wortBei(gif, pos + 7);
    pos += 10;
    const int minBits = uchar(gif[pos++]);
    QByteArray daten;
    while (pos < groesse && uchar(gif[pos]) != 0) {
        const int stueck = uchar(gif[pos]);
        daten.append(gif.mid(pos + 1, stueck));
        pos += stueck + 1;
    }
    if (pos != groesse - 2)
        return "Blöcke enden nicht vor dem Schluss";

    const int loeschen = 1 << minBits, ende = loeschen + 1;
    std::vector<qint64> laenge(4096, 1);
    int bits = minBits + 1, frei = ende + 1, vorher = -1;
    qint64 bitPos = 0, punkte = 0;
    for (;;) {
        if (bitPos + bits > daten.size() * 8)
            return "Strom endet ohne Endcode";
        int code = 0;
        for (int b = 0; b < bits; ++b, ++bitPos)
            code |= ((uchar(daten[bitPos / 8]) >> (bitPos % 8)) & 1) << b;
        if (code == loeschen) {
            bits = minBits + 1;
            frei = ende + 1;
            vorher = -1;
            continue;
        }
        if (code == ende)
            break;
        if (vorher < 0) {
            if (code > loeschen)
                return QString("Code %1 nach dem Löschen").arg(code);
        } else {
            if (code > frei || (code == frei && frei == 4096))
                return QString("Code %1, frei erst %2").arg(code).arg(frei);
            if (frei < 4096) {
                laenge[frei] = laenge[vorher] + 1;
                ++frei;
                if (frei == (1 << bits) && bits < 12)
                    ++bits;
            }
        }
        punkte += laenge[code];
        vorher = code;
    }
    if (punkte != punkteSoll)
        return QString("%1 Punkte statt %2").arg(punkte).arg(punkteSoll);
    if ((bitPos + 7) / 8 != daten.size())
        return "Bytes nach dem Endcode";
    return {};
}

} // namespace

TEST(GifSchreiber, QtLiestJedenPunktWieder) {
    ASSERT_TRUE(ladeKachelSchrift());
    struct Fall {
        const char* name;
        QImage bild;
        int tafelBits; // Größe der globalen Farbtafel als 2^n
    };
    QList<QRgb> mitLoch = bunteTafel(5);
    mitLoch[3] = qRgba(0, 0, 0, 0);
    QList<QRgb> zweiLoecher = bunteTafel(4);
    zweiLoecher[1] = qRgba(10, 20, 30, 0);
    zweiLoecher[2] = qRgba(200, 20, 30, 40);
    const Fall faelle[] = {
        {"1x1", indexBild(1, 1, {qRgb(200, 10, 90)}, [](int, int) { return 0; }), 1},
        {"Kachel 96x96",
         alsIndexBild(mitHarterKante(kachelBild("sch", QColor(0xf8, 0xa3, 0x4e)), Qt::white)), 8},
        {"genau 256 Farben, jede einmal",
         indexBild(16, 16, bunteTafel(256), [](int x, int y) { return y * 16 + x; }), 8},
        {"256 Farben Rauschen, Tafel läuft mehrmals voll", rauschen(200, 150, 256, 7), 8},
        {"2 Farben Rauschen", rauschen(123, 77, 2, 11), 1},
        {"2 Farben Schachbrett",
         indexBild(64, 64, {qRgb(0, 0, 0), qRgb(255, 255, 255)},
                   [](int x, int y) { return (x + y) % 2; }),
         1},
        {"300x7 lange Läufe",
         indexBild(300, 7, bunteTafel(6), [](int x, int y) { return (x / (10 + 40 * y)) % 6; }), 3},
        {"300x7 eine Farbe", indexBild(300, 7, bunteTafel(1), [](int, int) { return 0; }), 1},
        {"3 Farben, Tafel auf 4 aufgefüllt", rauschen(40, 30, 3, 3), 2},
        {"17 Farben", rauschen(50, 50, 17, 5), 5},
        {"129 Farben", rauschen(90, 90, 129, 9), 8},
        {"durchsichtiger Eintrag",
         indexBild(20, 20, mitLoch, [](int x, int y) { return (x * y + x) % 5; }), 3},
        {"mehrere durchsichtige Einträge",
         indexBild(30, 9, zweiLoecher, [](int x, int y) { return (x + 2 * y) % 4; }), 2},
        {"breiter als hoch", rauschen(1000, 1, 64, 13), 6},
        {"hoch und schmal", rauschen(1, 700, 16, 17), 4},
    };
    for (const Fall& f : faelle) {
        ASSERT_EQ(f.bild.format(), QImage::Format_Indexed8) << f.name;
        const QByteArray gif = alsGif(f.bild);
        ASSERT_GT(gif.size(), 13) << f.name;
        EXPECT_TRUE(gif.startsWith("GIF89a")) << f.name;
        EXPECT_EQ(gif.back(), char(0x3b)) << f.name;
        EXPECT_EQ(uchar(gif[6]) | uchar(gif[7]) << 8, f.bild.width()) << f.name;
        EXPECT_EQ(uchar(gif[8]) | uchar(gif[9]) << 8, f.bild.height()) << f.name;
        EXPECT_EQ((uchar(gif[10]) & 7) + 1, f.tafelBits) << f.name;
        EXPECT_EQ(abweichungen(f.bild, gif), 0) << f.name;
        EXPECT_EQ(pruefeCodestrom(gif).toStdString(), "") << f.name;
    }
}

// Der Endcode kommt nach jeder Anzahl von Codes; steht er an einem Breitenwechsel zu
// schmal, überliest Qt das, der strenge Nachleser nicht.
TEST(GifSchreiber, JedeBildlaengeBisUeberDieBreitenwechsel) {
    struct Fall {
        const char* name;
        int farben;
        int bisLaenge;
    };
    const Fall faelle[] = {
        {"2 Farben", 2, 1200},
        {"16 Farben", 16, 1200},
        {"256 Farben", 256, 1300},
    };
    for (const Fall& f : faelle) {
        for (int laenge = 1; laenge <= f.bisLaenge; ++laenge) {
            const QImage bild = rauschen(laenge, 1, f.farben, quint32(laenge));
            const QByteArray gif = alsGif(bild);
            ASSERT_EQ(abweichungen(bild, gif), 0) << f.name << ", Länge " << laenge;
            ASSERT_EQ(pruefeCodestrom(gif).toStdString(), "") << f.name << ", Länge " << laenge;
        }
    }
}

TEST(GifSchreiber, FremdeFormateWerdenVorherReduziert) {
    struct Fall {
        const char* name;
        QImage bild;
    };
    QImage rgb(40, 20, QImage::Format_RGB32);
    rgb.fill(QColor(12, 200, 99));
    QImage argb(33, 33, QImage::Format_ARGB32_Premultiplied);
    argb.fill(Qt::transparent);
    for (int i = 0; i < 33; ++i)
        argb.setPixel(i, i, qRgb(250, 10, 10));
    const Fall faelle[] = {
        {"RGB32 eine Farbe", rgb},
        {"vormultipliziert mit Loch", argb},
        {"Graustufen", rgb.convertToFormat(QImage::Format_Grayscale8)},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(abweichungen(f.bild, alsGif(f.bild)), 0) << f.name;
}

TEST(GifSchreiber, UngueltigesWirdNichtGeschrieben) {
    EXPECT_TRUE(alsGif(QImage()).isEmpty());
    EXPECT_TRUE(alsGif(QImage(70000, 1, QImage::Format_Indexed8)).isEmpty());

    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QImage bild = rauschen(10, 10, 4, 1);
    const QString pfad = ordner.filePath("a.gif");
    ASSERT_TRUE(schreibeGif(bild, pfad));
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), alsGif(bild));
    EXPECT_FALSE(schreibeGif(bild, ordner.filePath("fehlt/a.gif")));
    EXPECT_FALSE(schreibeGif(QImage(), ordner.filePath("leer.gif")));
    EXPECT_FALSE(QFile::exists(ordner.filePath("leer.gif")));
}
