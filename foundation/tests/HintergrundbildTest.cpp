#include "foundation/Hintergrundbild.h"
#include "foundation/Hintergrundfenster.h"
#include "foundation/testing/TestOrdner.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace varku;

namespace {

// jede Zeile und jede Spalte anders, damit ein verrutschter Streifen auffällt
QImage muster(int breite, int hoehe, bool durchscheinend = false) {
    QImage bild(breite, hoehe, durchscheinend ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y,
                          qRgba((x * 7) % 256, (y * 5) % 256, (x + y) % 256,
                                durchscheinend ? 40 + (x % 200) : 255));
    return bild;
}

struct Ablage {
    QTemporaryDir quellen;
    QTemporaryDir ablage;
    QString quelle = quellen.filePath("Himmel.png");

    void schreibeQuelle(const QImage& bild) const { ASSERT_TRUE(bild.save(quelle, "PNG")); }
    QString datei(const QSize& groesse) const {
        return ablage.filePath(hintergrundAblageName(quelle, groesse));
    }
    Hintergrundbild lade(const QSize& groesse) const {
        return ladeHintergrundbild(quelle, groesse, ablage.path());
    }
    // einmal rechnen und ablegen, wie beim ersten Start
    Hintergrundbild ersterStart(const QSize& groesse) const {
        const Hintergrundbild b = lade(groesse);
        legeHintergrundbildAb(b, quelle, ablage.path());
        return b;
    }
};

bool gleich(const QImage& a, const QImage& b) {
    return a.size() == b.size() && a.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                                       b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

// Beim ersten Start wird gerechnet und abgelegt, danach eingeblendet: Bildpunkt für Bildpunkt
// dasselbe, in der Größe des Bildes wie skaliert, deckend wie durchscheinend.
TEST(Hintergrundbild, ErsterStartRechnetDanachAusDerAblage) {
    struct Fall {
        const char* name;
        QImage quelle;
        QSize groesse;
    };
    const Fall faelle[] = {
        {"gleich groß", muster(70, 50), {70, 50}},
        {"verkleinert", muster(70, 50), {33, 21}},
        {"vergrößert", muster(70, 50), {101, 77}},
        {"durchscheinend", muster(40, 30, true), {40, 30}},
        {"durchscheinend skaliert", muster(40, 30, true), {61, 45}},
    };
    for (const Fall& f : faelle) {
        Ablage a;
        a.schreibeQuelle(f.quelle);
        const Hintergrundbild erster = a.ersterStart(f.groesse);
        EXPECT_TRUE(erster.neu) << f.name;
        EXPECT_FALSE(erster.eingeblendet) << f.name;
        ASSERT_EQ(erster.bild.size(), f.groesse) << f.name;
        if (f.quelle.size() == f.groesse) {
            EXPECT_TRUE(gleich(erster.bild, f.quelle)) << f.name;
        }
        EXPECT_EQ(erster.bild.hasAlphaChannel(), f.quelle.hasAlphaChannel()) << f.name;

        const Hintergrundbild zweiter = a.lade(f.groesse);
        EXPECT_TRUE(zweiter.eingeblendet) << f.name;
        EXPECT_FALSE(zweiter.neu) << f.name;
        EXPECT_TRUE(gleich(zweiter.bild, erster.bild)) << f.name;
    }
}

// Eine Ablage, die nicht mehr passt oder nicht zu lesen ist, zählt nicht: es wird neu gerechnet,
// das Bild stimmt, nichts stürzt.
TEST(Hintergrundbild, UnpassendeOderKaputteAblageWirdNeuGerechnet) {
    const QSize groesse(64, 48);
    using Eingriff = std::function<void(const Ablage&)>;
    const auto ueberschreibe = [groesse](const QByteArray& inhalt) {
        return Eingriff([groesse, inhalt](const Ablage& a) {
            QFile f(a.datei(groesse));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(inhalt);
        });
    };
    const auto veraendere = [groesse](qint64 stelle, const QByteArray& bytes) {
        return Eingriff([groesse, stelle, bytes](const Ablage& a) {
            QFile f(a.datei(groesse));
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            f.seek(stelle);
            f.write(bytes);
        });
    };
    struct Fall {
        const char* name;
        Eingriff eingriff;
        QImage neueQuelle; // leer: die Quelle bleibt
    };
    const Fall faelle[] = {
        {"leer", ueberschreibe({}), {}},
        {"nur ein Kopf", ueberschreibe(QByteArray(64, 'V')), {}},
        {"fremde Kennung", veraendere(0, "XXXX"), {}},
        {"andere Fassung", veraendere(8, QByteArray("\x07\0\0\0", 4)), {}},
        {"lügt über die Breite", veraendere(12, QByteArray("\x10\0\0\0", 4)), {}},
        {"unbekanntes Format", veraendere(40, QByteArray("\x01\0\0\0", 4)), {}},
        {"abgeschnitten", [groesse](const Ablage& a) { QFile(a.datei(groesse)).resize(5000); }, {}},
        {"Quelle neu geschrieben", {}, muster(64, 48).mirrored()},
        {"Quelle nur neuer",
         [](const Ablage& a) {
             QFile f(a.quelle);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             f.setFileTime(QDateTime::currentDateTime().addSecs(60),
                           QFileDevice::FileModificationTime);
         },
         {}},
    };
    for (const Fall& f : faelle) {
        Ablage a;
        a.schreibeQuelle(muster(64, 48));
        a.ersterStart(groesse);
        if (f.eingriff)
            f.eingriff(a);
        if (!f.neueQuelle.isNull())
            a.schreibeQuelle(f.neueQuelle);
        const QImage erwartet = f.neueQuelle.isNull() ? muster(64, 48) : f.neueQuelle;
        const Hintergrundbild b = a.lade(groesse);
        EXPECT_FALSE(b.eingeblendet) << f.name;
        EXPECT_TRUE(b.neu) << f.name;
        EXPECT_TRUE(gleich(b.bild, erwartet)) << f.name;
        // neu abgelegt gilt es wieder
        legeHintergrundbildAb(b, a.quelle, a.ablage.path());
        const Hintergrundbild danach = a.lade(groesse);
        EXPECT_TRUE(danach.eingeblendet) << f.name;
        EXPECT_TRUE(gleich(danach.bild, erwartet)) << f.name;
    }
}

// Ohne Bild gibt es nichts abzulegen; ohne Ablage wird jedes Mal gerechnet.
TEST(Hintergrundbild, OhneQuelleOderOhneAblage) {
    QTemporaryDir dir;
    const QString keinBild = dir.filePath("kein.png");
    QFile f(keinBild);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("kein Bild");
    f.close();
    const QString bild = dir.filePath("bild.png");
    ASSERT_TRUE(muster(20, 10).save(bild));
    const QString datei = dir.filePath("datei");
    QFile d(datei);
    ASSERT_TRUE(d.open(QIODevice::WriteOnly));
    d.close();

    struct Fall {
        const char* name;
        QString quelle;
        QString ablage;
        bool bild;
    };
    const Fall faelle[] = {
        {"Quelle fehlt", dir.filePath("fehlt.png"), dir.filePath("ablage"), false},
        {"Quelle ist kein Bild", keinBild, dir.filePath("ablage"), false},
        {"Ablage ist eine Datei", bild, datei, true},
        {"keine Ablage", bild, QString(), true},
    };
    for (const Fall& fall : faelle) {
        for (int start = 0; start < 2; ++start) {
            const Hintergrundbild b = ladeHintergrundbild(fall.quelle, {20, 10}, fall.ablage);
            EXPECT_EQ(!b.bild.isNull(), fall.bild) << fall.name;
            EXPECT_FALSE(b.eingeblendet) << fall.name;
            legeHintergrundbildAb(b, fall.quelle, fall.ablage);
        }
    }
    EXPECT_FALSE(QDir(dir.filePath("ablage")).exists()) << "nichts abgelegt";
}

// Freigegebene Zeilen eines eingeblendeten Bildes kommen beim nächsten Lesen aus der Datei
// zurück; ein gerechnetes Bild behält seine Zeilen, auch bei Zeilen außerhalb des Bildes.
TEST(Hintergrundbild, FreigegebeneZeilenBleibenLesbar) {
    const QSize groesse(300, 200); // gut zwanzig Seiten Speicher
    Ablage a;
    a.schreibeQuelle(muster(300, 200));
    const Hintergrundbild gerechnet = a.ersterStart(groesse);
    const Hintergrundbild eingeblendet = a.lade(groesse);
    ASSERT_TRUE(eingeblendet.eingeblendet);
    const std::pair<int, int> bereiche[] = {{0, 200},   {13, 77}, {-50, 30},
                                            {150, 900}, {90, 90}, {120, 10}};
    for (const auto& [von, bis] : bereiche) {
        gibZeilenFrei(gerechnet, von, bis);
        gibZeilenFrei(eingeblendet, von, bis);
        EXPECT_TRUE(gleich(gerechnet.bild, muster(300, 200))) << von << ".." << bis;
        EXPECT_TRUE(gleich(eingeblendet.bild, muster(300, 200))) << von << ".." << bis;
    }
}

// Das Fenster zeigt das Bild über den ganzen Schirm, jede Zeile an ihrem Platz, ob es aus der
// Quelle oder aus der Ablage kommt; ohne Bild die Ersatzfarbe.
TEST(Hintergrundfenster, ZeigtDasBildUeberAllesOhneLuecke) {
    QStandardPaths::setTestModeEnabled(true);
    const QString ablage =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/Varku";
    QScreen* s = QGuiApplication::primaryScreen();
    ASSERT_NE(s, nullptr);
    const QSize schirm = (QSizeF(s->availableGeometry().size()) * s->devicePixelRatio()).toSize();
    struct Fall {
        const char* name;
        QImage bild; // leer: keines
        bool einfarbig;
    };
    QImage blau(37, 23, QImage::Format_RGB32);
    blau.fill(QColor(20, 40, 200));
    const Fall faelle[] = {
        {"in Schirmgröße", muster(schirm.width(), schirm.height()), false},
        {"skaliert", blau, true},
        {"fehlt", {}, true},
    };
    for (const Fall& f : faelle) {
        test::TestOrdner ordner;
        QDir().mkpath(ordner.pfad("Grafik"));
        if (!f.bild.isNull()) {
            ASSERT_TRUE(f.bild.save(ordner.pfad("Grafik/Himmel.png")));
        }
        // der erste Start rechnet, der zweite blendet ein
        for (int start = 0; start < 2; ++start) {
            QImage gezeigt;
            {
                Hintergrundfenster h("HintergrundFrm", "Test", "Himmel.png");
                gezeigt = h.grab().toImage();
            }
            const QColor erwartet = f.bild.isNull() ? QColor(200, 228, 250) : QColor(20, 40, 200);
            if (f.einfarbig) {
                for (const QPoint p : {QPoint(0, 0), QPoint(gezeigt.width() - 1, 0),
                                       QPoint(gezeigt.width() / 2, gezeigt.height() / 2),
                                       QPoint(gezeigt.width() - 1, gezeigt.height() - 1)})
                    EXPECT_EQ(gezeigt.pixelColor(p), erwartet) << f.name << " " << start;
            } else {
                EXPECT_TRUE(gleich(gezeigt, f.bild)) << f.name << " " << start;
            }
        }
    }
    QDir(ablage).removeRecursively();
    QStandardPaths::setTestModeEnabled(false);
}

// Ein neu gerechnetes Bild wird abgelegt, aber nicht, während die ersten Fenster entstehen:
// erst eine Weile nach dem ersten Zeichnen oder wenn das Fenster geht, gezeigt oder nicht.
TEST(Hintergrundfenster, LegtErstNachDemStartAb) {
    // eine eigene Ablage: andere Tests legen zur selben Zeit in die gemeinsame
    struct EigenesHeim {
        test::TestOrdner ordner;
        QByteArray alt = qgetenv("HOME");
        EigenesHeim() {
            qputenv("HOME", QFile::encodeName(ordner.pfad()));
            QStandardPaths::setTestModeEnabled(true);
        }
        ~EigenesHeim() {
            QStandardPaths::setTestModeEnabled(false);
            qputenv("HOME", alt);
        }
    } heim;
    const QDir ablage(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                      "/Varku");
    ASSERT_TRUE(ablage.path().startsWith(heim.ordner.pfad())) << ablage.path().toStdString();
    QScreen* s = QGuiApplication::primaryScreen();
    ASSERT_NE(s, nullptr);
    const QSize schirm = (QSizeF(s->availableGeometry().size()) * s->devicePixelRatio()).toSize();
    const auto abgelegt = [&ablage] { return ablage.entryList(QDir::Files).size(); };
    for (const bool zeigen : {true, false}) {
        QDir(ablage).removeRecursively();
        test::TestOrdner ordner;
        QDir().mkpath(ordner.pfad("Grafik"));
        ASSERT_TRUE(muster(schirm.width(), schirm.height()).save(ordner.pfad("Grafik/Himmel.png")));
        {
            Hintergrundfenster h("HintergrundFrm", "Test", "Himmel.png");
            if (zeigen) {
                h.show();
                h.warteAufErstesBild();
            }
            EXPECT_EQ(abgelegt(), 0) << (zeigen ? "gleich nach dem ersten Bild" : "verborgen");
        }
        EXPECT_EQ(abgelegt(), 1) << (zeigen ? "gezeigt" : "verborgen") << ", dann geschlossen";
    }
}

// Das Warten auf das erste Bild kehrt zurück, sobald es gemalt ist, und gemalt wird genau einmal
// gemeldet; ein verborgenes Fenster hält nicht auf.
TEST(Hintergrundfenster, WartetAufsErsteBild) {
    struct Fall {
        const char* name;
        bool zeigen;
        int gemalt;
    };
    const Fall faelle[] = {{"gezeigt", true, 1}, {"verborgen", false, 0}};
    for (const Fall& f : faelle) {
        test::TestOrdner ordner;
        Hintergrundfenster h("HintergrundFrm", "Test", "fehlt.png");
        QSignalSpy gemalt(&h, &Hintergrundfenster::gemalt);
        if (f.zeigen)
            h.show();
        h.warteAufErstesBild();
        EXPECT_EQ(gemalt.count(), f.gemalt) << f.name;
        h.warteAufErstesBild();
        h.update();
        QCoreApplication::processEvents();
        EXPECT_EQ(gemalt.count(), f.gemalt) << f.name << ": nur das erste Bild";
    }
}
