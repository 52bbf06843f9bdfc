// Prüft die Radbilder, wie der Bau sie in den Grafikordner gelegt hat: das Spiel zeigt sie
// nacheinander, also müssen sie zusammen ein gleichmäßig drehendes Rad ergeben.
#include "data/grafik/Rad.h"

#include <QDir>
#include <QtMath>
#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace varku;

namespace {

const QDir grafik(QStringLiteral(VARKU_GRAFIKORDNER));
constexpr qreal mitte = radKante / 2.0;

QImage ladeBild(const QString& name) {
    return QImage(grafik.filePath(name)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

const std::array<QImage, radFelder>& radBilder() {
    static const std::array<QImage, radFelder> bilder = [] {
        std::array<QImage, radFelder> b;
        for (int i = 0; i < radFelder; ++i)
            b[i] = ladeBild(radBildName(i));
        return b;
    }();
    return bilder;
}

// Wert eines Kanals an einer Stelle zwischen den Pixeln, durchsichtig außerhalb
qreal kanal(const QImage& bild, qreal x, qreal y, int nr) {
    const qreal fx = x - 0.5, fy = y - 0.5;
    const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
    const qreal ax = fx - x0, ay = fy - y0;
    const auto wert = [&](int px, int py) -> qreal {
        if (!bild.valid(px, py))
            return 0;
        const QRgb c = bild.pixel(px, py);
        const int teile[] = {qAlpha(c), qRed(c), qGreen(c), qBlue(c)};
        return teile[nr];
    };
    return (1 - ay) * ((1 - ax) * wert(x0, y0) + ax * wert(x0 + 1, y0)) +
           ay * ((1 - ax) * wert(x0, y0 + 1) + ax * wert(x0 + 1, y0 + 1));
}

struct Abweichung {
    qreal mittel = 0;     // mittlere Abweichung je Kanal
    qreal grobAnteil = 0; // Anteil der Stellen, die um mehr als 64 abweichen
};

// vergleicht bild mit vorlage, die um winkelGrad im Uhrzeigersinn um die Mitte gedreht ist;
// nur Stellen im Kreis bis radius
Abweichung gedrehtVerglichen(const QImage& vorlage, const QImage& bild, qreal winkelGrad,
                             qreal radius = radRadius + 2) {
    const qreal w = qDegreesToRadians(-winkelGrad);
    const qreal c = std::cos(w), s = std::sin(w);
    Abweichung a;
    int stellen = 0, grob = 0;
    qreal summe = 0;
    for (int y = 0; y < bild.height(); y += 2) {
        for (int x = 0; x < bild.width(); x += 2) {
            const qreal dx = x + 0.5 - mitte, dy = y + 0.5 - mitte;
            if (std::hypot(dx, dy) > radius)
                continue;
            // wo dieser Punkt vor der Drehung lag
            const qreal vx = mitte + c * dx - s * dy, vy = mitte + s * dx + c * dy;
            qreal groesste = 0;
            for (int k = 0; k < 4; ++k) {
                const qreal d =
                    std::abs(kanal(bild, x + 0.5, y + 0.5, k) - kanal(vorlage, vx, vy, k));
                summe += d;
                groesste = qMax(groesste, d);
            }
            grob += groesste > 64 ? 1 : 0;
            ++stellen;
        }
    }
    a.mittel = summe / (4.0 * stellen);
    a.grobAnteil = qreal(grob) / stellen;
    return a;
}

QColor mittlereFarbe(const QImage& bild, const QRect& feld) {
    qreal r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = feld.top(); y <= feld.bottom(); ++y) {
        for (int x = feld.left(); x <= feld.right(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            r += c.redF();
            g += c.greenF();
            b += c.blueF();
            ++n;
        }
    }
    return QColor::fromRgbF(float(r / n), float(g / n), float(b / n));
}

} // namespace

TEST(Rad, DateienImGrafikordner) {
    struct Fall {
        QString name;
        QSize groesse;
    };
    std::vector<Fall> faelle{{radMarkeName(), QSize(60, 50)}};
    for (int i = 0; i < radFelder; ++i)
        faelle.push_back({radBildName(i), QSize(radKante, radKante)});
    EXPECT_EQ(faelle.size(), 11u);
    for (const Fall& f : faelle) {
        const QImage bild(grafik.filePath(f.name));
        ASSERT_FALSE(bild.isNull()) << qPrintable(f.name);
        EXPECT_EQ(bild.size(), f.groesse) << qPrintable(f.name);
        EXPECT_TRUE(bild.hasAlphaChannel()) << qPrintable(f.name);
    }
}

// Nur wenn jedes Bild das vorige um genau ein Feld im Uhrzeigersinn weitergedreht zeigt,
// sieht das Schalten wie ein drehendes Rad aus.
TEST(Rad, JedesBildIstDasVorigeGedreht) {
    struct Fall {
        const char* name;
        int schritt; // Bild i wird mit Bild i + schritt verglichen
        qreal winkel;
        bool gleich;
    };
    const Fall faelle[] = {
        {"ein Feld im Uhrzeigersinn", 1, 36, true},
        {"zwei Felder im Uhrzeigersinn", 2, 72, true},
        {"fünf Felder, halbe Drehung", 5, 180, true},
        {"verkehrte Richtung", 1, -36, false},
        {"ungedreht", 1, 0, false},
        {"halbes Feld", 1, 18, false},
    };
    for (const Fall& f : faelle) {
        for (int i = 0; i < radFelder; ++i) {
            const QImage& vorlage = radBilder()[i];
            const QImage& bild = radBilder()[(i + f.schritt) % radFelder];
            ASSERT_FALSE(vorlage.isNull());
            ASSERT_FALSE(bild.isNull());
            const Abweichung a = gedrehtVerglichen(vorlage, bild, f.winkel);
            const std::string fall = std::string(f.name) + ", Bild " + std::to_string(i);
            if (f.gleich) {
                // Kantenglättung fällt je Stellung etwas anders aus, mehr nicht
                EXPECT_LT(a.mittel, 5.0) << fall;
                EXPECT_LT(a.grobAnteil, 0.01) << fall;
            } else {
                EXPECT_GT(a.mittel, 15.0) << fall;
            }
        }
    }
}

TEST(Rad, AussenDurchsichtigInnenDeckend) {
    for (int i = 0; i < radFelder; ++i) {
        const QImage& bild = radBilder()[i];
        ASSERT_FALSE(bild.isNull());
        int sichtbarAussen = 0, loecherInnen = 0;
        for (int y = 0; y < bild.height(); ++y) {
            for (int x = 0; x < bild.width(); ++x) {
                const qreal r = std::hypot(x + 0.5 - mitte, y + 0.5 - mitte);
                const int alpha = qAlpha(bild.pixel(x, y));
                sichtbarAussen += r > radRadius + 1 && alpha != 0 ? 1 : 0;
                loecherInnen += r < radRadius - 2 && alpha != 255 ? 1 : 0;
            }
        }
        EXPECT_EQ(sichtbarAussen, 0) << "Bild " << i;
        EXPECT_EQ(loecherInnen, 0) << "Bild " << i;
    }
}

// Unter der Marke steht in jedem Bild ein anderes Feld; "aussetzen" ist grau, "alles weg" rot,
// und nur diese beiden.
TEST(Rad, FeldUnterDerMarke) {
    const QRect unterMarke(160, 25, 40, 110);
    // dicht an der Nabe: dort steht nur die Feldfarbe
    const QRect feldGrund(176, 138, 8, 3);
    for (int i = 0; i < radFelder; ++i) {
        const QImage& bild = radBilder()[i];
        ASSERT_FALSE(bild.isNull());
        const QColor grund = mittlereFarbe(bild, feldGrund);
        const bool grau = qMax(grund.red(), qMax(grund.green(), grund.blue())) -
                              qMin(grund.red(), qMin(grund.green(), grund.blue())) <
                          30;
        const qreal ton = grund.hslHueF() * 360;
        const bool rot = !grau && grund.hslSaturationF() > 0.5 && (ton < 15 || ton > 345);
        EXPECT_EQ(grau, i == 0) << "Bild " << i << " " << qPrintable(grund.name());
        EXPECT_EQ(rot, i == 5) << "Bild " << i << " " << qPrintable(grund.name());

        for (int j = 0; j < i; ++j) {
            const QImage a = bild.copy(unterMarke), b = radBilder()[j].copy(unterMarke);
            EXPECT_GT(gedrehtVerglichen(a, b, 0, 1e9).mittel, 15.0) << "Bilder " << i << ", " << j;
        }
    }
}

TEST(Rad, StellungImmerZwischenNullUndNeun) {
    const std::pair<int, int> faelle[] = {{10, 0}, {-1, 9}, {23, 3}, {-10, 0}, {-21, 9}};
    for (const auto& [stellung, feld] : faelle)
        EXPECT_EQ(radBild(stellung), radBild(feld)) << stellung;
}

// Die Marke zeigt mit der Spitze nach unten, mittig
TEST(Rad, MarkeZeigtNachUnten) {
    const QImage marke = ladeBild(radMarkeName());
    ASSERT_FALSE(marke.isNull());
    const auto deckend = [&](int y) {
        int links = -1, rechts = -1;
        for (int x = 0; x < marke.width(); ++x) {
            if (qAlpha(marke.pixel(x, y)) > 128) {
                links = links < 0 ? x : links;
                rechts = x;
            }
        }
        return std::pair(links, rechts);
    };
    const auto [obenLinks, obenRechts] = deckend(8);
    const auto [untenLinks, untenRechts] = deckend(marke.height() - 8);
    ASSERT_GE(obenLinks, 0);
    ASSERT_GE(untenLinks, 0);
    EXPECT_GT(obenRechts - obenLinks, 3 * (untenRechts - untenLinks));
    EXPECT_NEAR((untenLinks + untenRechts) / 2.0, marke.width() / 2.0, 1.5);
    EXPECT_EQ(qAlpha(marke.pixel(0, marke.height() - 1)), 0);
    EXPECT_EQ(qAlpha(marke.pixel(marke.width() - 1, marke.height() - 1)), 0);
}
