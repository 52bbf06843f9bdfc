#include "platform/EchterDrucker.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace varku;

namespace {

// ein Werkzeug aus poppler-utils; leer, wenn es fehlt
QString poppler(const QString& werkzeug, const QStringList& argumente) {
    const QString programm = QStandardPaths::findExecutable(werkzeug);
    if (programm.isEmpty())
        return {};
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool popplerDa() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

struct Wortlage {
    double links, oben, rechts, unten; // Punkte
};

// die Lage eines Wortes im PDF, wie pdftotext -bbox sie meldet
std::optional<Wortlage> lage(const QString& pdf, const QString& wort) {
    const QString html = poppler("pdftotext", {"-bbox", pdf, "-"});
    static const QRegularExpression muster(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (const auto& t : muster.globalMatch(html))
        if (t.captured(5) == wort)
            return Wortlage{t.captured(1).toDouble(), t.captured(2).toDouble(),
                            t.captured(3).toDouble(), t.captured(4).toDouble()};
    return std::nullopt;
}

struct EchtDrucken : ::testing::Test {
    QTemporaryDir ordner;
    QString grafik() const { return ordner.filePath("Grafik"); }
    QString user() const { return ordner.filePath("User"); }

    EchtDrucken() {
        QDir().mkpath(grafik());
        // 200 x 100 Punkte mit 200 Punkten je Zoll: 1 x 0,5 Zoll
        QImage bild(200, 100, QImage::Format_RGB32);
        bild.fill(Qt::darkGreen);
        const int dpm = qRound(200 / 0.0254);
        bild.setDotsPerMeterX(dpm);
        bild.setDotsPerMeterY(dpm);
        bild.save(grafik() + "/Gruen.png");
    }
};

} // namespace

// Der Name der PDF-Datei: Dokument, Datum und Zeit; nie überschreiben, nichts, was stört.
TEST(PdfName, DokumentZeitUndZaehler) {
    QTemporaryDir ordner;
    const QDateTime zeit(QDate(2026, 12, 9), QTime(10, 15, 3));
    const QString o = ordner.path();
    struct Fall {
        QString dokument;
        QString datei;
    };
    const std::vector<Fall> faelle = {
        {"Zeugnis Gast 1", "Zeugnis Gast 1 2026-12-09 10-15-03.pdf"},
        {"Protokoll a/b\\c:d*?\"<>|", "Protokoll a_b_c_d______ 2026-12-09 10-15-03.pdf"},
        {"..", "Dokument.. 2026-12-09 10-15-03.pdf"},
        {"", "Dokument 2026-12-09 10-15-03.pdf"},
        {"Zeile\nzwei", "Zeile_zwei 2026-12-09 10-15-03.pdf"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(EchterDrucker::pdfPfad(o, f.dokument, zeit), o + "/" + f.datei)
            << f.dokument.toStdString();

    // gibt es die Datei schon, kommt ein Zähler dazu
    QFile(o + "/Zeugnis Gast 1 2026-12-09 10-15-03.pdf").open(QIODevice::WriteOnly);
    EXPECT_EQ(EchterDrucker::pdfPfad(o, "Zeugnis Gast 1", zeit),
              o + "/Zeugnis Gast 1 2026-12-09 10-15-03 (2).pdf");
    QFile(o + "/Zeugnis Gast 1 2026-12-09 10-15-03 (2).pdf").open(QIODevice::WriteOnly);
    EXPECT_EQ(EchterDrucker::pdfPfad(o, "Zeugnis Gast 1", zeit),
              o + "/Zeugnis Gast 1 2026-12-09 10-15-03 (3).pdf");
}

// Ohne Systemdrucker entsteht eine PDF-Datei im Benutzerordner; der Text steht mit seiner
// Oberkante an der Stelle, Bilder haben die Größe aus ihrer Auflösung.
TEST_F(EchtDrucken, PdfMitTextBildUndZweiSeiten) {
    EchterDrucker d(grafik(), user(), EchterDrucker::Ausgabe::NurPdf);
    // ohne Drucker: A4 mit 2 cm Rand
    EXPECT_NEAR(d.seitenbereich().left(), 1134, 1);
    EXPECT_NEAR(d.seitenbereich().right(), 11906 - 1134, 1);
    EXPECT_NEAR(d.seitenbereich().bottom(), 16838 - 1134, 1);

    ASSERT_TRUE(d.beginne("Zeugnis Gast 1"));
    const QString pdf = d.ziel();
    EXPECT_TRUE(pdf.startsWith(user() + "/Zeugnis Gast 1 ")) << pdf.toStdString();
    EXPECT_TRUE(pdf.endsWith(".pdf"));

    d.setzeSchrift("Arial", 16, true, false);
    // eine Zeile ist etwas höher als die Schrift, die Breite wächst mit dem Text
    EXPECT_GT(d.zeilenHoehe(), 16 * 20);
    EXPECT_LT(d.zeilenHoehe(), 16 * 20 * 1.4);
    EXPECT_GT(d.textBreite("Wörter Wörter"), 1.9 * d.textBreite("Wörter"));
    EXPECT_EQ(d.textBreite(""), 0);

    d.setzeX(1440);
    d.setzeY(2880);
    d.druckeZeile("Oberkante");
    EXPECT_EQ(d.x(), 0);
    EXPECT_NEAR(d.y(), 2880 + d.zeilenHoehe(), 0.01);
    d.rechteck(1440, 5000, 10000, 5010);
    d.bild("GRUEN.PNG", 1440, 6000); // der Name ohne Rücksicht auf Groß und klein
    EXPECT_NEAR(d.bildGroesse("gruen.png").width(), 1440, 0.5);
    EXPECT_NEAR(d.bildGroesse("gruen.png").height(), 720, 0.5);
    EXPECT_EQ(d.bildGroesse("fehlt.png"), QSizeF(0, 0));
    d.bild("fehlt.png", 0, 0);
    d.neueSeite();
    EXPECT_EQ(d.y(), 0);
    d.setzeSchrift("Arial", 10, false, false);
    d.setzeY(1440);
    d.setzeX(1440);
    d.druckeZeile("Zweite Seite");
    ASSERT_TRUE(d.beende());
    ASSERT_TRUE(QFile::exists(pdf));

    if (!popplerDa())
        GTEST_SKIP() << "pdftotext fehlt (poppler-utils)";
    EXPECT_TRUE(poppler("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+2\\b")));
    const auto oben = lage(pdf, "Oberkante");
    ASSERT_TRUE(oben);
    // 1440 Twips sind 72 Punkte, 2880 sind 144
    EXPECT_NEAR(oben->links, 72, 1.5);
    EXPECT_NEAR(oben->oben, 144, 2.5);
    EXPECT_TRUE(lage(pdf, "Seite").has_value());
}

// Ein verworfenes Dokument hinterlässt keine Datei; ein zweites bekommt einen eigenen Namen.
TEST_F(EchtDrucken, VerwerfenUndNochEinmal) {
    EchterDrucker d(grafik(), user(), EchterDrucker::Ausgabe::NurPdf);
    ASSERT_TRUE(d.beginne("Protokoll Gast 2"));
    const QString erstes = d.ziel();
    d.druckeZeile("weg");
    d.verwirf();
    EXPECT_FALSE(QFile::exists(erstes));
    EXPECT_TRUE(d.ziel().isEmpty());

    ASSERT_TRUE(d.beginne("Protokoll Gast 2"));
    d.druckeZeile("eins");
    const QString a = d.ziel();
    ASSERT_TRUE(d.beende());
    ASSERT_TRUE(d.beginne("Protokoll Gast 2"));
    d.druckeZeile("zwei");
    const QString b = d.ziel();
    ASSERT_TRUE(d.beende());
    EXPECT_NE(a, b);
    EXPECT_TRUE(QFile::exists(a));
    EXPECT_TRUE(QFile::exists(b));
    // ohne begonnenes Dokument scheitert das Beenden, ohne abzustürzen
    EXPECT_FALSE(d.beende());
}

// Ein Benutzerordner, in den nichts geschrieben werden kann: kein Dokument, kein Absturz.
TEST_F(EchtDrucken, BenutzerordnerNichtAnlegbar) {
    QFile datei(ordner.filePath("Datei"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    EchterDrucker d(grafik(), ordner.filePath("Datei/User"), EchterDrucker::Ausgabe::NurPdf);
    EXPECT_FALSE(d.beginne("Zeugnis Gast 1"));
    d.druckeZeile("ins Leere");
    d.neueSeite();
    EXPECT_FALSE(d.beende());
}
