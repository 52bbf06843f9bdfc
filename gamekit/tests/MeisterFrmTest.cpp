#include "gamekit/MeisterFrm.h"

#include "foundation/MldFenster.h"
#include "platform/Schreibzugriff.h"
#include "platform/testing/TestDienste.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace varku;
using varku::db::Schreibzugriff;
using varku::db::Wert;
using varku::test::TestDienste;

namespace {

struct MeisterFrmFixture : ::testing::Test {
    TestDienste d;
    QTemporaryDir dir;
    QString datei = Meisterliste::meisterDatei(dir.filePath("User"));
    Meisterliste liste{datei, "Zirkomat"};

    ~MeisterFrmFixture() override { MldFenster::entlade(); }

    void trageEin(const QString& name, const QString& programm, const QString& datum,
                  double punkte) {
        Schreibzugriff db(datei, "CREATE TABLE IF NOT EXISTS Punkte (Name TEXT, Programm TEXT, "
                                 "Datum TEXT, Punkte INTEGER);");
        db.fuehreAus("INSERT INTO Punkte VALUES (?, ?, ?, ?)",
                     {Wert::von(name), Wert::von(programm), Wert::von(datum), Wert::von(punkte)});
    }
};

} // namespace

TEST_F(MeisterFrmFixture, ZeigtDieListeDesSpielsInVierSpalten) {
    QDir().mkpath(dir.filePath("User"));
    trageEin("Ben", "Zirkomat", "03.04.26", 120);
    trageEin("Fremd", "Dolmix", "03.04.26", 999);
    trageEin("Nix", "Zirkomat", "03.04.26", 0);
    trageEin("Abcdefghijklmnopqrstuvwxy", "Zirkomat", "12.11.25", 1500);
    d.anzeige.dann([](QWidget& w) {
        auto& f = static_cast<MeisterFrm&>(w);
        EXPECT_EQ(f.windowTitle(), "Meisterliste");
        EXPECT_EQ(f.lfdNrLbl->text(), "1.\n2.");
        EXPECT_EQ(f.MstNameLbl->text(), "Abcdefghijklmnopqr\nBen");
        EXPECT_EQ(f.DatLbl->text(), "12.11.25\n03.04.26");
        EXPECT_EQ(f.PunkteLbl->text(), "1500\n120");
        EXPECT_TRUE(f.lfdNrLbl->alignment() & Qt::AlignRight);
        EXPECT_TRUE(f.PunkteLbl->alignment() & Qt::AlignRight);
        QStringList koepfe;
        for (QLabel* l : f.findChildren<QLabel*>())
            if (l->font().bold())
                koepfe << l->text();
        EXPECT_EQ(koepfe, QStringList({"Name", "Datum", "Punkte"}));
        EXPECT_EQ(f.okBtn->text(), "&OK");
        varku::test::klicke(w, "okBtn");
        EXPECT_FALSE(w.isVisible());
    });
    MeisterFrm::zeige(liste);
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
    EXPECT_EQ(d.anzeige.protokoll, QStringList({"modal:MeisterFrm"}));

    // bei jedem Zeigen neu geladen
    liste.addMeisterEintrag({"Cem", "Zirkomat", "05.04.26", 300});
    d.anzeige.dann([](QWidget& w) {
        EXPECT_EQ(static_cast<MeisterFrm&>(w).MstNameLbl->text(), "Abcdefghijklmnopqr\nCem\nBen");
        varku::test::klicke(w, "okBtn");
    });
    MeisterFrm::zeige(liste);
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

TEST_F(MeisterFrmFixture, LeereListeUndTastenSchliessen) {
    // die Datei fehlt: eine leere Liste, keine Meldung
    struct Taste {
        const char* name;
        Qt::Key taste;
        Qt::KeyboardModifiers mit;
    };
    const Taste tasten[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier},
        {"Enter", Qt::Key_Enter, Qt::KeypadModifier},
        {"Esc", Qt::Key_Escape, Qt::NoModifier},
    };
    for (const Taste& t : tasten) {
        d.anzeige.dann([&](QWidget& w) {
            auto& f = static_cast<MeisterFrm&>(w);
            EXPECT_TRUE(f.lfdNrLbl->text().isEmpty());
            EXPECT_TRUE(f.MstNameLbl->text().isEmpty());
            QTest::keyClick(&w, t.taste, t.mit);
            EXPECT_FALSE(w.isVisible()) << t.name;
        });
        MeisterFrm::zeige(liste);
        EXPECT_TRUE(d.anzeige.skripteVerbraucht());
    }
    EXPECT_FALSE(QFile::exists(datei)) << "Zeigen legt nichts an";
    EXPECT_EQ(d.anzeige.protokoll.count("modal:MeisterFrm"), 3);
}

TEST_F(MeisterFrmFixture, KaputteDateiGibtEineMeldungStattDerListe) {
    QDir().mkpath(dir.filePath("User"));
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    d.anzeige.dannKlicke("Btn1");
    MeisterFrm::zeige(liste);
    EXPECT_EQ(d.anzeige.protokoll, QStringList({"modal:MldFenster"}));
    const MldFenster& m = MldFenster::instanz();
    EXPECT_EQ(m.windowTitle(), "Meisterliste");
    EXPECT_TRUE(m.Meldung->text().startsWith("Die Meisterliste kann nicht gelesen werden."));
    EXPECT_TRUE(m.Meldung->text().contains(datei));

    // auch wer das Fenster selbst lädt, bekommt leere Spalten und die Meldung
    d.anzeige.dannKlicke("Btn1");
    MeisterFrm f(liste);
    f.zeigeMeisterliste({{"Alt", "Zirkomat", "1.1.26", 5}});
    EXPECT_FALSE(f.Form_Load());
    EXPECT_TRUE(f.MstNameLbl->text().isEmpty());
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}
