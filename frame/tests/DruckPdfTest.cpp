#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "frame/Druck.h"
#include "platform/EchterDrucker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <optional>

using namespace varku;
using varku::test::legeWortDbAn;
using varku::test::TestOrdner;

namespace {

// der Text eines PDF, Seite für Seite (getrennt durch Seitenvorschub), wie pdftotext ihn liest
QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStandardPaths::findExecutable("pdftotext"), {"-layout", pdf, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Zeilen ohne die Leerzeichen der Anordnung
QStringList zeilenVon(const QString& text) {
    QStringList z;
    for (const QString& zeile : text.split('\n')) {
        const QString s = zeile.simplified();
        if (!s.isEmpty())
            z << s;
    }
    return z;
}

// Lage eines Wortes in Punkten (links, oben, rechts, unten), wie pdftotext -bbox sie meldet
std::optional<QRectF> lage(const QString& pdf, const QString& wort) {
    QProcess p;
    p.start(QStandardPaths::findExecutable("pdftotext"), {"-bbox", pdf, "-"});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression muster(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (const auto& t : muster.globalMatch(html))
        if (t.captured(5) == wort)
            return QRectF(QPointF(t.captured(1).toDouble(), t.captured(2).toDouble()),
                          QPointF(t.captured(3).toDouble(), t.captured(4).toDouble()));
    return std::nullopt;
}

struct EchtesDokument : ::testing::Test {
    TestOrdner ordner;
    bool mitBildern = true; // gebaut ohne Daten fehlen sie

    EchtesDokument() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            return;
        ordner.schreibe("Varku.ini", "[Varku]\nAutoDialog=0\n[Drucker]\nLinkerRand=1134\n"
                                     "RechterRand=10772\nObererRand=1134\nUntererRand=15704\n");
        // die Druckbilder aus dem gebauten Programmordner, wenn es sie gibt
        QDir().mkpath(ordner.pfad("Grafik"));
        const QString quelle = QStringLiteral(VARKU_PROGRAMMORDNER) + "/Grafik/";
        for (const QString& bild : {VarkLogoImg, MorloLogoImg})
            mitBildern = QFile::copy(quelle + bild, ordner.pfad("Grafik/" + bild)) && mitBildern;
        std::vector<test::TestWort> woerter;
        const QStringList liste = {"Igel", "Baum", "rot", "Straße", "Fahrrad", "Schule"};
        for (int i = 0; i < liste.size(); ++i)
            woerter.push_back({i + 1, liste[i], i % 3 == 2 ? "" : (i % 2 ? "die" : "der"), 1, false,
                               true, false, "", ""});
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"), woerter);
    }

    Druckangaben angaben(const QByteArray& protokoll) {
        Druckangaben a;
        a.name = "Gast 1";
        a.protokollPfad = ordner.pfad("User/QWERTZUI.tmp");
        ordner.schreibe("User/QWERTZUI.tmp", protokoll);
        a.schwerpunkt = "Lauttreue Wörter mit zwei Mitlauten am Anfang";
        a.statistik = {13, 9, 62, 0, 0};
        a.wortAufSchirm = true;
        a.sitzungsBeginn = QDateTime(QDate(2026, 12, 9), QTime(10, 3, 0));
        a.jetzt = QDateTime(QDate(2026, 12, 9), QTime(10, 15, 5));
        a.wortDbPfad = ordner.pfad("Varku-D.sqlite");
        a.iniDatei = ordner.pfad("Varku.ini");
        return a;
    }

    // zum Ansehen: VARKU_DRUCK_AUSGABE=<ordner> behält die Dateien
    void behalte(const QString& pdf) {
        const QString ziel = qEnvironmentVariable("VARKU_DRUCK_AUSGABE");
        if (!ziel.isEmpty()) {
            QFile::remove(ziel + "/" + QFileInfo(pdf).fileName());
            QFile::copy(pdf, ziel + "/" + QFileInfo(pdf).fileName());
        }
    }
};

} // namespace

TEST_F(EchtesDokument, ZeugnisAlsPdf) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext fehlt (poppler-utils)";
    EchterDrucker drucker(ordner.pfad("Grafik"), ordner.pfad("User"),
                          EchterDrucker::Ausgabe::NurPdf);
    const Druckergebnis e = Druck(drucker).druckeZeugnis(angaben({}));
    ASSERT_TRUE(e.gedruckt) << e.fehler.toStdString();
    EXPECT_TRUE(istDateiziel(e.ziel));
    EXPECT_TRUE(e.ziel.startsWith(ordner.pfad("User/Zeugnis Gast 1 20")));
    behalte(e.ziel);

    const QString text = pdfText(e.ziel);
    EXPECT_EQ(text.count('\f'), 1) << "eine Seite";
    const QStringList z = zeilenVon(text);
    for (const char* erwartet : {
             "Varku",
             "Zeugnis",
             "Schüler/Schülerin: Gast 1",
             "Erstellungsdatum: Mittwoch, 9. Dezember 2026",
             "Er/sie hat heute seine/ihre Rechtschreib-Kenntnisse am Computer mit Hilfe",
             "der Programme des Varkus (VARKU) verbessert.",
             // der lange Titel bricht in seiner Spalte um
             "Übungsschwerpunkt: Lauttreue Wörter mit zwei Mitlauten am",
             "Anfang",
             "Übungsdauer: 12:05 Minuten",
             "geschrieben wurden: 12 Wörter",
             "davon richtig: 9 Wörter",
             "Lesezeit: 5,17 Sekunden pro Wort",
             // zu breit für die Ränder: neu umbrochen
             "Deine Lehrerinnen und Lehrer gratulieren dir zu dieser Leistung und",
             "wünschen dir weiterhin viel Spaß und Erfolg beim Lernen.",
             "Unterschrift des Übungsleiters",
         })
        EXPECT_TRUE(z.contains(erwartet)) << erwartet << "\n" << z.join('\n').toStdString();
}

TEST_F(EchtesDokument, ProtokollUeberZweiBlaetter) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext fehlt (poppler-utils)";
    QByteArray protokoll;
    for (int i = 0; i < 24; ++i)
        protokoll += QByteArray::number(i % 6 + 1) + "= OK\r\n";
    protokoll += "4= Strasse\r\n5= Farrad, \"schnell\"\r\n77= ???\r\n6= Schuhle\r\n";
    EchterDrucker drucker(ordner.pfad("Grafik"), ordner.pfad("User"),
                          EchterDrucker::Ausgabe::NurPdf);
    const Druckergebnis e = Druck(drucker).druckeProtokoll(angaben(protokoll));
    ASSERT_TRUE(e.gedruckt) << e.fehler.toStdString();
    behalte(e.ziel);

    const QStringList seiten = pdfText(e.ziel).split('\f', Qt::SkipEmptyParts);
    ASSERT_EQ(zeilenVon(seiten.join("")).count("Varku"), 2) << "zwei Blätter mit Kopf";
    const QStringList eins = zeilenVon(seiten.value(0));
    const QStringList zwei = zeilenVon(seiten.value(1));
    for (const char* erwartet :
         {"Protokoll", "Schüler/Schülerin: Gast 1", "Erstellungsdatum: Mittwoch, 9. Dezember 2026",
          "Übungsschwerpunkt: Lauttreue Wörter mit zwei Mitlauten am", "Anfang",
          "Richtig geschriebene Wörter", "der Igel", "die Baum", "rot", "die Straße", "der Fahrrad",
          "Schule", "Blatt 1"})
        EXPECT_TRUE(eins.contains(erwartet)) << erwartet << "\n" << eins.join('\n').toStdString();
    for (const char* erwartet :
         {"Falsch geschriebene Wörter", "die Straße * Strasse", "der Fahrrad * Farrad, \"schnell\"",
          "77 * ???", "Schule * Schuhle", "Blatt 2"})
        EXPECT_TRUE(zwei.contains(erwartet)) << erwartet << "\n" << zwei.join('\n').toStdString();
    EXPECT_FALSE(zwei.contains("Blatt 1"));
    EXPECT_EQ(eins.count("der Igel") + zwei.count("der Igel"), 4);
}

// Ohne [Drucker] steht alles im Seitenbereich des Druckers: 2 cm Rand auf A4.
TEST_F(EchtesDokument, ZeugnisOhneRaender) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext fehlt (poppler-utils)";
    ordner.schreibe("Varku.ini", "[Varku]\nAutoDialog=0\n");
    EchterDrucker drucker(ordner.pfad("Grafik"), ordner.pfad("User"),
                          EchterDrucker::Ausgabe::NurPdf);
    const Druckergebnis e = Druck(drucker).druckeZeugnis(angaben({}));
    ASSERT_TRUE(e.gedruckt) << e.fehler.toStdString();
    behalte(e.ziel);
    const double rand = 20 / 25.4 * 72; // 2 cm in Punkten
    const auto titel = lage(e.ziel, "Zeugnis");
    const auto kopf = lage(e.ziel, "Varku");
    const auto unterschrift = lage(e.ziel, "Übungsleiters");
    ASSERT_TRUE(titel && kopf && unterschrift);
    EXPECT_NEAR(titel->left(), rand, 2);
    EXPECT_NEAR(kopf->right(), 595.3 - rand, 2);
    EXPECT_NEAR(kopf->top(), rand, 3);
    // die Unterschrift steht über dem Verlagszeichen, und das über dem Rand
    if (mitBildern) {
        EXPECT_LT(unterschrift->bottom(), 841.9 - rand);
    }
    EXPECT_GT(unterschrift->top(), 841.9 / 2);
}
