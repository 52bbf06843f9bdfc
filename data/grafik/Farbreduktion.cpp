#include "data/grafik/Farbreduktion.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <vector>

namespace varku {

namespace {

struct Farbe {
    QRgb rgb;
    int anzahl;
};

int kanal(QRgb f, int k) {
    return k == 0 ? qRed(f) : k == 1 ? qGreen(f) : qBlue(f);
}

struct Kiste {
    int anfang;
    int ende; // ausschließlich
    int weitesterKanal = 0;
    int spanne = 0;
    qint64 punkte = 0;
};

void vermesse(Kiste& k, const std::vector<Farbe>& farben) {
    int klein[3] = {255, 255, 255};
    int gross[3] = {0, 0, 0};
    k.punkte = 0;
    for (int i = k.anfang; i < k.ende; ++i) {
        for (int c = 0; c < 3; ++c) {
            klein[c] = qMin(klein[c], kanal(farben[i].rgb, c));
            gross[c] = qMax(gross[c], kanal(farben[i].rgb, c));
        }
        k.punkte += farben[i].anzahl;
    }
    k.spanne = -1;
    for (int c = 0; c < 3; ++c) {
        if (gross[c] - klein[c] > k.spanne) {
            k.spanne = gross[c] - klein[c];
            k.weitesterKanal = c;
        }
    }
}

QRgb mittel(const Kiste& k, const std::vector<Farbe>& farben) {
    qint64 summe[3] = {0, 0, 0};
    for (int i = k.anfang; i < k.ende; ++i)
        for (int c = 0; c < 3; ++c)
            summe[c] += qint64(kanal(farben[i].rgb, c)) * farben[i].anzahl;
    const auto m = [&](int c) { return int((summe[c] + k.punkte / 2) / k.punkte); };
    return qRgb(m(0), m(1), m(2));
}

QList<QRgb> medianSchnitt(std::vector<Farbe> farben, int plaetze) {
    std::vector<Kiste> kisten{{0, int(farben.size())}};
    vermesse(kisten[0], farben);
    while (int(kisten.size()) < plaetze) {
        // die Kiste mit der größten Spanne mal Punktzahl wird geteilt
        int beste = -1;
        qint64 besterWert = -1;
        for (int i = 0; i < int(kisten.size()); ++i) {
            const Kiste& k = kisten[i];
            if (k.ende - k.anfang < 2)
                continue;
            const qint64 wert = qint64(k.spanne) * k.punkte;
            if (wert > besterWert) {
                besterWert = wert;
                beste = i;
            }
        }
        if (beste < 0)
            break;
        Kiste k = kisten[beste];
        const int c = k.weitesterKanal;
        std::sort(farben.begin() + k.anfang, farben.begin() + k.ende,
                  [c](const Farbe& a, const Farbe& b) {
                      const int ka = kanal(a.rgb, c), kb = kanal(b.rgb, c);
                      return ka != kb ? ka < kb : a.rgb < b.rgb;
                  });
        qint64 bisher = 0;
        int schnitt = k.anfang + 1;
        for (int i = k.anfang; i < k.ende - 1; ++i) {
            bisher += farben[i].anzahl;
            schnitt = i + 1;
            if (bisher * 2 >= k.punkte)
                break;
        }
        Kiste links{k.anfang, schnitt};
        Kiste rechts{schnitt, k.ende};
        vermesse(links, farben);
        vermesse(rechts, farben);
        kisten[beste] = links;
        kisten.push_back(rechts);
    }
    QList<QRgb> tafel;
    for (const Kiste& k : kisten)
        tafel.append(mittel(k, farben));
    return tafel;
}

int naechste(QRgb f, const QList<QRgb>& tafel) {
    int beste = 0;
    int besterAbstand = INT_MAX;
    for (int i = 0; i < tafel.size(); ++i) {
        const int dr = qRed(f) - qRed(tafel[i]);
        const int dg = qGreen(f) - qGreen(tafel[i]);
        const int db = qBlue(f) - qBlue(tafel[i]);
        const int abstand = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
        if (abstand < besterAbstand) {
            besterAbstand = abstand;
            beste = i;
        }
    }
    return beste;
}

} // namespace

QImage alsIndexBild(const QImage& bild) {
    if (bild.isNull())
        return {};
    const QImage quelle = bild.convertToFormat(QImage::Format_ARGB32);
    const QRgb leer = qRgba(0, 0, 0, 0);
    const auto deckend = [](QRgb f) {
        return qAlpha(f) < 128 ? qRgba(0, 0, 0, 0) : f | 0xff000000;
    };

    // Farben in der Reihenfolge ihres ersten Auftretens, damit das Ergebnis fest bleibt
    std::vector<Farbe> farben;
    QHash<QRgb, int> stelle;
    bool mitLoch = false;
    for (int y = 0; y < quelle.height(); ++y) {
        const QRgb* zeile = reinterpret_cast<const QRgb*>(quelle.constScanLine(y));
        for (int x = 0; x < quelle.width(); ++x) {
            const QRgb f = deckend(zeile[x]);
            if (f == leer) {
                mitLoch = true;
                continue;
            }
            const auto it = stelle.constFind(f);
            if (it == stelle.constEnd()) {
                stelle.insert(f, int(farben.size()));
                farben.push_back({f, 1});
            } else {
                ++farben[*it].anzahl;
            }
        }
    }

    const int plaetze = mitLoch ? 255 : 256;
    QList<QRgb> tafel;
    QHash<QRgb, int> nummer;
    if (int(farben.size()) <= plaetze) {
        for (const Farbe& f : farben) {
            nummer.insert(f.rgb, int(tafel.size()));
            tafel.append(f.rgb);
        }
    } else {
        tafel = medianSchnitt(farben, plaetze);
        for (const Farbe& f : farben)
            nummer.insert(f.rgb, naechste(f.rgb, tafel));
    }
    const int loch = int(tafel.size());
    if (mitLoch)
        tafel.append(leer);

    QImage ziel(quelle.size(), QImage::Format_Indexed8);
    ziel.setColorTable(tafel);
    for (int y = 0; y < quelle.height(); ++y) {
        const QRgb* zeile = reinterpret_cast<const QRgb*>(quelle.constScanLine(y));
        uchar* aus = ziel.scanLine(y);
        for (int x = 0; x < quelle.width(); ++x) {
            const QRgb f = deckend(zeile[x]);
            aus[x] = uchar(f == leer ? loch : nummer.value(f));
        }
    }
    return ziel;
}

QImage mitHarterKante(const QImage& bild, const QColor& hintergrund, int schwelle) {
    QImage ziel = bild.convertToFormat(QImage::Format_ARGB32);
    const int hr = hintergrund.red(), hg = hintergrund.green(), hb = hintergrund.blue();
    for (int y = 0; y < ziel.height(); ++y) {
        QRgb* zeile = reinterpret_cast<QRgb*>(ziel.scanLine(y));
        for (int x = 0; x < ziel.width(); ++x) {
            const QRgb f = zeile[x];
            const int a = qAlpha(f);
            if (a < schwelle) {
                zeile[x] = qRgba(0, 0, 0, 0);
            } else if (a < 255) {
                const auto misch = [a](int c, int h) {
                    return (c * a + h * (255 - a) + 127) / 255;
                };
                zeile[x] = qRgb(misch(qRed(f), hr), misch(qGreen(f), hg), misch(qBlue(f), hb));
            }
        }
    }
    return ziel;
}

} // namespace varku
