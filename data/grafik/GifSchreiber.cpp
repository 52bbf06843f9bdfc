#include "data/grafik/GifSchreiber.h"

#include "data/grafik/Farbreduktion.h"

#include <QSaveFile>

#include <vector>

namespace varku {

namespace {

constexpr int hoechsteCodeBits = 12;
constexpr int tafelGrenze = 1 << hoechsteCodeBits;

// Codes mit wechselnder Breite, niedrigstes Bit zuerst
class BitStrom {
public:
    void schreibe(int code, int bits) {
        puffer |= quint32(code) << belegt;
        belegt += bits;
        while (belegt >= 8) {
            bytes.append(char(puffer & 0xff));
            puffer >>= 8;
            belegt -= 8;
        }
    }
    QByteArray abschliessen() {
        if (belegt > 0)
            bytes.append(char(puffer & 0xff));
        puffer = 0;
        belegt = 0;
        return bytes;
    }

private:
    QByteArray bytes;
    quint32 puffer = 0;
    int belegt = 0;
};

// LZW wie GIF es will: Löschcode zu Beginn und bei voller Tafel, Endcode zum Schluss.
// Die Codebreite wächst, sobald der nächste freie Code nicht mehr hineinpasst;
// der Leser ist dabei einen Eintrag hinter uns, daher ">=" vor dem Anlegen.
QByteArray lzw(const std::vector<uchar>& punkte, int minBits) {
    const int loeschen = 1 << minBits;
    const int ende = loeschen + 1;
    // folge[praefix * 256 + punkt] = Code der verlängerten Kette, 0 = noch keiner
    std::vector<quint16> folge(size_t(tafelGrenze) * 256, 0);
    int bits = minBits + 1;
    int frei = ende + 1;
    BitStrom strom;
    strom.schreibe(loeschen, bits);
    if (punkte.empty()) {
        strom.schreibe(ende, bits);
        return strom.abschliessen();
    }
    int praefix = punkte[0];
    for (size_t i = 1; i < punkte.size(); ++i) {
        const int punkt = punkte[i];
        const quint16 weiter = folge[size_t(praefix) * 256 + punkt];
        if (weiter != 0) {
            praefix = weiter;
            continue;
        }
        strom.schreibe(praefix, bits);
        if (frei >= (1 << bits) && bits < hoechsteCodeBits)
            ++bits;
        folge[size_t(praefix) * 256 + punkt] = quint16(frei++);
        if (frei == tafelGrenze) {
            strom.schreibe(loeschen, bits);
            std::fill(folge.begin(), folge.end(), 0);
            bits = minBits + 1;
            frei = ende + 1;
        }
        praefix = punkt;
    }
    strom.schreibe(praefix, bits);
    if (frei >= (1 << bits) && bits < hoechsteCodeBits)
        ++bits;
    strom.schreibe(ende, bits);
    return strom.abschliessen();
}

void wort(QByteArray& aus, int wert) {
    aus.append(char(wert & 0xff));
    aus.append(char((wert >> 8) & 0xff));
}

int bitsFuer(int farben) {
    int bits = 1;
    while ((1 << bits) < farben)
        ++bits;
    return bits;
}

} // namespace

QByteArray alsGif(const QImage& bild) {
    if (bild.isNull() || bild.width() > 0xffff || bild.height() > 0xffff)
        return {};
    const QImage index = bild.format() == QImage::Format_Indexed8 ? bild : alsIndexBild(bild);
    QList<QRgb> tafel = index.colorTable();
    if (tafel.isEmpty())
        tafel.append(qRgb(0, 0, 0));

    // alle durchsichtigen Einträge laufen auf einen zusammen
    int durchsichtig = -1;
    for (int i = 0; i < tafel.size(); ++i) {
        if (qAlpha(tafel[i]) < 128) {
            durchsichtig = i;
            break;
        }
    }
    std::vector<uchar> punkte;
    punkte.reserve(size_t(index.width()) * size_t(index.height()));
    for (int y = 0; y < index.height(); ++y) {
        const uchar* zeile = index.constScanLine(y);
        for (int x = 0; x < index.width(); ++x) {
            int i = zeile[x];
            if (i >= tafel.size())
                i = 0;
            else if (durchsichtig >= 0 && qAlpha(tafel[i]) < 128)
                i = durchsichtig;
            punkte.push_back(uchar(i));
        }
    }

    const int tafelBits = bitsFuer(int(tafel.size()));
    QByteArray aus("GIF89a");
    wort(aus, index.width());
    wort(aus, index.height());
    aus.append(char(0x80 | ((tafelBits - 1) << 4) | (tafelBits - 1)));
    aus.append(char(0)); // Hintergrund
    aus.append(char(0)); // Seitenverhältnis
    for (int i = 0; i < (1 << tafelBits); ++i) {
        const QRgb f = i < tafel.size() ? tafel[i] : qRgb(0, 0, 0);
        aus.append(char(qRed(f)));
        aus.append(char(qGreen(f)));
        aus.append(char(qBlue(f)));
    }
    if (durchsichtig >= 0) {
        aus.append("\x21\xf9\x04\x01", 4);
        wort(aus, 0); // keine Verzögerung
        aus.append(char(durchsichtig));
        aus.append(char(0));
    }
    aus.append(char(0x2c));
    wort(aus, 0);
    wort(aus, 0);
    wort(aus, index.width());
    wort(aus, index.height());
    aus.append(char(0)); // keine eigene Farbtafel, nicht verschränkt

    const int minBits = qMax(2, tafelBits);
    aus.append(char(minBits));
    const QByteArray daten = lzw(punkte, minBits);
    for (qsizetype pos = 0; pos < daten.size(); pos += 255) {
        const qsizetype stueck = qMin<qsizetype>(255, daten.size() - pos);
        aus.append(char(stueck));
        aus.append(daten.constData() + pos, stueck);
    }
    aus.append(char(0));
    aus.append(char(0x3b));
    return aus;
}

bool schreibeGif(const QImage& bild, const QString& pfad) {
    const QByteArray gif = alsGif(bild);
    if (gif.isEmpty())
        return false;
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    datei.write(gif);
    return datei.commit();
}

} // namespace varku
