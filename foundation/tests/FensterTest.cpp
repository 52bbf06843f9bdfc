#include "foundation/Anzeigen.h"
#include "foundation/DateiInfoFrm.h"
#include "foundation/EndeFrm.h"
#include "foundation/MeldungsLayout.h"
#include "foundation/MldFenster.h"
#include "foundation/Twips.h"
#include "platform/Dienste.h"
#include "platform/EchteModalAnzeige.h"
#include "platform/testing/TestDienste.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace varku;
using varku::test::TestDienste;

namespace {

struct FensterFixture : ::testing::Test {
    TestDienste d;
    ~FensterFixture() override {
        MldFenster::entlade();
        EndeFrm::entlade();
        DateiInfoFrm::entlade();
    }
};

} // namespace

TEST(MeldungsLayout, RegelInTwips) {
    const MeldungsEntwurf e;
    // ein Knopf: in der Mitte
    const MeldungsLayout eins = ordneMeldungAn(e, 3000.4, 900.5, true, false);
    EXPECT_EQ(eins.rahmenBreite, 1080 + 3000 + 200);
    EXPECT_EQ(eins.fensterBreite, 240 + eins.rahmenBreite + 200);
    EXPECT_EQ(eins.rahmenHoehe, 360 + 900 + 100); // 1260.5 zur geraden Zahl
    EXPECT_EQ(eins.knopfOben, 160 + eins.rahmenHoehe + 100);
    EXPECT_EQ(eins.knopf1Links, (eins.fensterBreite - e.knopfBreite) / 2);
    EXPECT_EQ(eins.fensterHoehe, eins.knopfOben + e.knopfHoehe + 500);
    EXPECT_TRUE(eins.knopf1Sichtbar);
    EXPECT_FALSE(eins.knopf2Sichtbar);
    // zwei Knöpfe: der erste bleibt links, der zweite rechtsbündig zum Rahmen
    const MeldungsLayout zwei = ordneMeldungAn(e, 5000, 900, true, true);
    EXPECT_EQ(zwei.knopf1Links, e.knopf1Links);
    EXPECT_EQ(zwei.knopf2Links, e.rahmenLinks + zwei.rahmenBreite - e.knopfBreite);
    // sehr kurzer Text: die Knöpfe überdecken sich nicht
    const MeldungsLayout kurz = ordneMeldungAn(e, 100, 300, true, true);
    EXPECT_GE(kurz.knopf2Links, kurz.knopf1Links + e.knopfBreite);
}

TEST_F(FensterFixture, EinKnopfInDerMitteZweiRechtsbuendig) {
    d.anzeige.dann([](QWidget& w) {
        auto& f = static_cast<MldFenster&>(w);
        EXPECT_TRUE(f.Btn1->isVisible());
        EXPECT_FALSE(f.Btn2->isVisible());
        const int mitte = f.Btn1->x() + f.Btn1->width() / 2;
        EXPECT_NEAR(mitte, f.width() / 2, 1);
        varku::test::klicke(w, "Btn1");
    });
    zeigeMeldung("Hallo,\rwie geht es?", "&OK", "", "Info");
    EXPECT_EQ(MldFenster::instanz().Antwort, "OK");
    EXPECT_EQ(MldFenster::instanz().windowTitle(), "Info");
    EXPECT_EQ(MldFenster::instanz().Meldung->text(), "Hallo,\nwie geht es?");

    d.anzeige.dann([](QWidget& w) {
        auto& f = static_cast<MldFenster&>(w);
        EXPECT_TRUE(f.Btn1->isVisible());
        EXPECT_TRUE(f.Btn2->isVisible());
        EXPECT_EQ(f.Btn2->x() + f.Btn2->width(), f.MldFrame->x() + f.MldFrame->width());
        EXPECT_LT(f.Btn1->x(), f.Btn2->x());
        varku::test::klicke(w, "Btn2");
    });
    zeigeMeldung("Seid ihr wirklich sicher,\rdass ihr neu starten wollt?", "&ja", "&nein",
                 "Neues Spiel");
    EXPECT_EQ(MldFenster::instanz().Antwort, "nein");
    EXPECT_FALSE(MldFenster::instanz().isVisible());
}

TEST_F(FensterFixture, FrageDannHinweisZeigtNurEinenKnopf) {
    d.anzeige.dannKlicke("Btn1");
    zeigeMeldung("Frage?", "&ja", "&nein", "Frage");
    EXPECT_EQ(MldFenster::instanz().Antwort, "ja");
    d.anzeige.dann([](QWidget& w) {
        auto& f = static_cast<MldFenster&>(w);
        EXPECT_TRUE(f.Btn1->isVisible());
        EXPECT_FALSE(f.Btn2->isVisible()) << "der Knopf der Frage ist weg";
        EXPECT_EQ(f.Btn1->text(), "&OK");
        varku::test::klicke(w, "Btn1");
    });
    zeigeMeldung("Hinweis", "&OK", "", "Info");
}

TEST_F(FensterFixture, AntwortOhneJedesUndZeichen) {
    struct Fall {
        const char* caption;
        const char* antwort;
    };
    const Fall faelle[] = {
        {"&OK", "OK"}, {"&&a&b&", "ab"}, {"ohne", "ohne"}, {"", ""}, {"&löschen", "löschen"}};
    MldFenster& f = MldFenster::instanz();
    for (const Fall& fall : faelle) {
        f.setzeAntwort(QString::fromUtf8(fall.caption));
        EXPECT_EQ(f.Antwort, QString::fromUtf8(fall.antwort)) << fall.caption;
    }
}

// Return und Enter drücken den Knopf mit der Tastatur; Esc und das Schließfeld drücken den
// einzigen Knopf einer Meldung und in einer Frage den zweiten, das "nein".
TEST_F(FensterFixture, EnterUndEscape) {
    struct Fall {
        const char* name;
        const char* knopf2; // leer: eine Meldung mit einem Knopf
        const char* fokus;  // Knopf mit der Tastatur, leer: wie zeigeMeldung es setzt
        Qt::Key taste;
        const char* antwort; // leer: das Fenster bleibt offen
    };
    const Fall faelle[] = {
        {"Return", "", "", Qt::Key_Return, "OK"},
        {"Enter", "", "", Qt::Key_Enter, "OK"},
        {"Esc mit einem Knopf", "", "", Qt::Key_Escape, "OK"},
        {"Return in der Frage", "&nein", "", Qt::Key_Return, "ja"},
        {"Return auf dem zweiten Knopf", "&nein", "Btn2", Qt::Key_Return, "nein"},
        {"Esc in der Frage", "&nein", "", Qt::Key_Escape, "nein"},
        {"Schließfeld in der Frage", "&nein", "", Qt::Key_unknown, "nein"},
        {"Schließfeld mit einem Knopf", "", "", Qt::Key_unknown, "OK"},
        {"Esc, wo nein vorn steht", "&ja", "", Qt::Key_Escape, "nein"},
    };
    for (const Fall& fall : faelle) {
        const bool frage = *fall.knopf2;
        bool offen = false;
        d.anzeige.dann([&](QWidget& w) {
            if (*fall.fokus)
                w.findChild<QWidget*>(fall.fokus)->setFocus();
            const Qt::KeyboardModifiers mod =
                fall.taste == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
            if (fall.taste == Qt::Key_unknown)
                w.close();
            else
                QTest::keyClick(w.focusWidget(), fall.taste, mod);
            offen = w.isVisible();
            if (offen)
                varku::test::klicke(w, "Btn1");
        });
        MldFenster::instanz().Antwort.clear();
        const bool neinVorn = QByteArray(fall.name).contains("vorn");
        zeigeMeldung("Text", neinVorn ? "&nein" : frage ? "&ja" : "&OK", fall.knopf2, "Info");
        EXPECT_EQ(offen, !*fall.antwort) << fall.name;
        if (*fall.antwort) {
            EXPECT_EQ(MldFenster::instanz().Antwort, fall.antwort) << fall.name;
        }
    }
}

TEST_F(FensterFixture, EndeFrmMitTasten) {
    struct Fall {
        const char* name;
        const char* fokus;
        Qt::Key taste;
        const char* antwort;
    };
    const Fall faelle[] = {
        {"Return auf nein", "neinBtn", Qt::Key_Return, "nein"},
        {"Return auf ja", "jaBtn", Qt::Key_Return, "ja"},
        {"Enter auf ja", "jaBtn", Qt::Key_Enter, "ja"},
        {"Esc", "jaBtn", Qt::Key_Escape, "nein"},
        {"j ohne Alt", "neinBtn", Qt::Key_J, "ja"},
        {"n ohne Alt", "jaBtn", Qt::Key_N, "nein"},
    };
    EndeFrm& e = EndeFrm::instanz();
    for (const Fall& fall : faelle) {
        d.anzeige.dann([&](QWidget& w) {
            EXPECT_EQ(w.focusWidget(), e.neinBtn) << "die Frage beginnt auf nein";
            w.findChild<QWidget*>(fall.fokus)->setFocus();
            const Qt::KeyboardModifiers mod =
                fall.taste == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
            QTest::keyClick(w.focusWidget(), fall.taste, mod);
            // ein Buchstabe, der keinem Knopf gehört, lässt die Frage offen
            if (w.isVisible())
                QTest::keyClick(w.focusWidget(), Qt::Key_X);
        });
        e.Antwort.clear();
        EXPECT_EQ(e.frage("Wirklich beenden?"), fall.antwort) << fall.name;
        EXPECT_FALSE(e.isVisible()) << fall.name;
    }
}

TEST_F(FensterFixture, EndeFrmNeinBehaeltSeineAntwort) {
    EndeFrm& e = EndeFrm::instanz();
    d.anzeige.dannKlicke("neinBtn");
    EXPECT_EQ(e.frage("Bist du wirklich sicher, dass du VARKU beenden willst?"), "nein");
    EXPECT_EQ(e.Meldung->text(), "Bist du wirklich sicher, dass du VARKU beenden willst?");
    EXPECT_FALSE(e.isVisible());
    EXPECT_EQ(e.Antwort, "nein") << "bis zur nächsten Frage";
    d.anzeige.dannKlicke("jaBtn");
    EXPECT_EQ(e.frage("Noch einmal?"), "ja");
    EXPECT_EQ(e.windowTitle(), "VARKU beenden");
}

TEST_F(FensterFixture, InformationsfensterVerbirgtSich) {
    DateiInfoFrm& i = DateiInfoFrm::instanz();
    i.DatInfLbl[0]->setText("42");
    i.SpName[1]->setText("Gast 2");
    i.zeigeSpieler(1, true);
    d.anzeige.dann([](QWidget& w) {
        auto& f = static_cast<DateiInfoFrm&>(w);
        EXPECT_TRUE(f.SpName[1]->isVisible());
        EXPECT_FALSE(f.SpName[0]->isVisible());
        varku::test::klicke(w, "Command1");
    });
    d.anzeige.zeigeModal(i);
    EXPECT_FALSE(i.isVisible());
    EXPECT_EQ(i.DatInfLbl[0]->text(), "42") << "verborgen, nicht entladen";
}

// Die Umkehrung der Regel: der längste erlaubte Text füllt die Fläche, ein Twip mehr nicht.
TEST(MeldungsLayout, HoechsteTextgroessePasstGenau) {
    const MeldungsEntwurf e;
    for (const double flaeche : {800.0 * 15, 1280.0 * 15, 1024.0 * 15 + 7, 6000.0}) {
        const double b = hoechsteTextBreite(e, flaeche);
        const double h = hoechsteTextHoehe(e, flaeche);
        const MeldungsLayout passt = ordneMeldungAn(e, b, h, true, false);
        EXPECT_LE(passt.fensterBreite, flaeche) << flaeche;
        EXPECT_LE(passt.fensterHoehe, flaeche) << flaeche;
        const MeldungsLayout zuviel = ordneMeldungAn(e, b + 2, h + 2, true, false);
        EXPECT_GT(zuviel.fensterBreite, flaeche) << flaeche;
        EXPECT_GT(zuviel.fensterHoehe, flaeche) << flaeche;
    }
    // eine Zeile: der Rahmen bleibt so hoch wie das Bild mit Rand
    const MeldungsLayout zeile = ordneMeldungAn(e, 2000, 300, true, false);
    EXPECT_EQ(zeile.rahmenHoehe, e.bildOben + e.bildGroesse + 100);
}

namespace {

QString kategorien(int n, const QString& trenner) {
    QStringList k;
    for (int i = 1; i <= n; ++i)
        k << QStringLiteral("Kategorie mit langem Namen %1").arg(i);
    return k.join(trenner);
}

// ob w ganz in seinem Elternfenster zu sehen ist
bool ganzInnen(const QWidget& w) {
    const QRect r(w.mapTo(w.window(), QPoint(0, 0)), w.size());
    return QRect(QPoint(0, 0), w.window()->size()).contains(r) &&
           QRect(QPoint(0, 0), w.parentWidget()->size()).contains(w.geometry());
}

} // namespace

// Lange Meldungen bleiben im Bildschirm: eine lange Zeile wird umbrochen, was auch dann nicht
// passt, rollt; das Bild ist immer ganz zu sehen. Mit der echten Anzeige, die das Fenster hält.
TEST_F(FensterFixture, LangeMeldungBleibtImBildschirm) {
    dienste::setze(std::unique_ptr<ModalAnzeige>(new EchteModalAnzeige));
    const QRect flaeche = QGuiApplication::primaryScreen()->availableGeometry();
    struct Fall {
        const char* name;
        QString text;
        bool rollt;
        QPoint vorher; // wo das Fenster zuletzt stand (verschoben); (-1,-1): nirgends
    };
    const Fall faelle[] = {
        {"kurz", "Hallo", false, {-1, -1}},
        {"60 Kategorien in einer Zeile", kategorien(60, ", "), false, {-1, -1}},
        {"15 Zeilen", kategorien(15, "\r"), false, {-1, -1}},
        {"lange Zeile unten rechts", kategorien(30, " "), false,
         flaeche.bottomRight() - QPoint(60, 60)},
        {"200 Zeilen", kategorien(200, "\r"), true, {-1, -1}},
    };
    for (const Fall& fall : faelle) {
        MldFenster& f = MldFenster::instanz();
        if (fall.vorher.x() >= 0)
            f.move(fall.vorher);
        QRect aussen;
        bool bildGanz = false, textGanz = false, rollt = false, alleZeilen = false;
        QTimer::singleShot(0, [&] {
            aussen = f.frameGeometry();
            bildGanz = ganzInnen(*f.Bild) && ganzInnen(*f.MldFrame);
            QScrollArea& s = *f.MeldungsFlaeche;
            const QSize text = f.Meldung->size();
            const QSize noetig(f.Meldung->wordWrap() ? text.width() : f.Meldung->sizeHint().width(),
                               f.Meldung->wordWrap() ? f.Meldung->heightForWidth(text.width())
                                                     : f.Meldung->sizeHint().height());
            alleZeilen = text.width() >= noetig.width() && text.height() >= noetig.height();
            textGanz = ganzInnen(s) && s.viewport()->width() >= text.width() &&
                       s.viewport()->height() >= text.height();
            rollt = s.verticalScrollBar()->isVisible() &&
                    s.verticalScrollBar()->maximum() == text.height() - s.viewport()->height() &&
                    s.viewport()->width() >= text.width();
            varku::test::klicke(f, "Btn1");
        });
        zeigeMeldung(fall.text, "&OK", "", "Info");
        EXPECT_TRUE(flaeche.contains(aussen)) << fall.name;
        EXPECT_TRUE(bildGanz) << fall.name;
        EXPECT_TRUE(alleZeilen) << fall.name;
        EXPECT_EQ(textGanz, !fall.rollt) << fall.name;
        EXPECT_EQ(rollt, fall.rollt) << fall.name;
        EXPECT_EQ(f.Meldung->text(), alsAnzeigeText(fall.text)) << fall.name;
        MldFenster::entlade();
    }
}

// Die Ziffernfelder malen ihren Grund selbst; sie sehen aus wie mit dem Stilblatt
// "background: #1d2530; color: …; border-radius: 4px", Punkt für Punkt, auf hellem Grund.
TEST(Ziffernanzeige, SiehtAusWieMitStilblatt) {
    struct Fall {
        QString ziffern;
        QColor farbe;
        QSize groesse; // 0: wie entworfen
    };
    const Fall faelle[] = {
        {QStringLiteral("0123"), QColor(0x6b, 0x74, 0x80), {}},
        {QStringLiteral("9 8"), QColor(255, 220, 0), {}},
        {QStringLiteral("4567"), QColor(200, 30, 30), {60, 90}},
        {QStringLiteral("1"), QColor(255, 255, 255), {7, 30}}, // zu schmal für runde Ecken
    };
    for (const Fall& f : faelle) {
        QWidget eltern;
        eltern.setStyleSheet(QString()); // kein Stilblatt von außen
        Ziffernanzeige anzeige(QStringLiteral("z"), 4, false, &eltern);
        anzeige.setzeFarbe(f.farbe);
        anzeige.zeige(f.ziffern);
        for (QLabel* feld : anzeige.felder()) {
            if (!f.groesse.isEmpty())
                feld->resize(f.groesse);
            QLabel vorbild(feld->text());
            vorbild.setFont(feld->font());
            vorbild.setAlignment(feld->alignment());
            vorbild.resize(feld->size());
            vorbild.setStyleSheet(
                QStringLiteral("background: #1d2530; color: %1; border-radius: 4px;")
                    .arg(f.farbe.name()));
            QImage soll(feld->size(), QImage::Format_RGB32),
                ist(feld->size(), QImage::Format_RGB32);
            soll.fill(QColor(236, 244, 252));
            ist.fill(QColor(236, 244, 252));
            vorbild.render(&soll, {}, {}, QWidget::DrawChildren);
            feld->render(&ist, {}, {}, QWidget::DrawChildren);
            EXPECT_EQ(ist, soll) << qPrintable(feld->objectName()) << " " << qPrintable(f.ziffern)
                                 << " " << feld->width() << "x" << feld->height();
        }
    }
}

// Eine Lampe zeigt nach jedem Wechsel das Bild ihres Zustands in ihrer Größe, auch wenn andere
// Lampen anderer Größe dieselben Zustände schon gezeigt haben.
TEST(Lampe, ZeigtDasBildIhresZustandsInIhrerGroesse) {
    struct Fall {
        int groesse;
        Lampenzustand zustand;
    };
    const Fall faelle[] = {
        {36, Lampenzustand::Rot},   {36, Lampenzustand::Gruen}, {36, Lampenzustand::Aus},
        {20, Lampenzustand::Gruen}, {20, Lampenzustand::Rot},   {36, Lampenzustand::Rot},
        {1, Lampenzustand::Gruen},  {20, Lampenzustand::Aus},   {36, Lampenzustand::Gelb},
    };
    QWidget eltern;
    Lampe gross(&eltern, 36), klein(&eltern, 20), winzig(&eltern, 1);
    for (const Fall& f : faelle) {
        Lampe& lampe = f.groesse == 36 ? gross : f.groesse == 20 ? klein : winzig;
        lampe.setzeZustand(f.zustand);
        const QImage ist = lampe.pixmap().toImage();
        ASSERT_EQ(ist.size(), QSize(f.groesse, f.groesse));
        // unter dem Glanzlicht die Farbe des Zustands
        if (f.groesse > 10) {
            const QColor mitte = ist.pixelColor(f.groesse / 2, f.groesse * 2 / 3);
            switch (f.zustand) {
            case Lampenzustand::Rot:
                EXPECT_GT(mitte.red(), 2 * mitte.green()) << f.groesse;
                break;
            case Lampenzustand::Gruen:
                EXPECT_GT(mitte.green(), 2 * mitte.red()) << f.groesse;
                break;
            case Lampenzustand::Gelb:
                EXPECT_GT(std::min(mitte.red(), mitte.green()), 2 * mitte.blue()) << f.groesse;
                break;
            case Lampenzustand::Aus:
                EXPECT_LT(std::abs(mitte.red() - mitte.green()), 20) << f.groesse;
                break;
            }
        }
    }
}

// Eine blinkende Lampe, Takt für Takt: R rot, G gelb, U grün, A aus, was die Lampe nach jedem Takt
// zeigt; der erste Buchstabe ist der Zustand gleich nach blinke()
TEST_F(FensterFixture, BlinklampeFolgtIhremMuster) {
    using Z = Lampenzustand;
    struct Fall {
        const char* name;
        bool sofort;
        Z hell, dunkel;
        int schritte;
        Z ende;
        QString folge;
    };
    const Fall faelle[] = {
        {"endlos rot und gelb", true, Z::Rot, Z::Gelb, 0, Z::Aus, "RGRGRGRGRGRGRG"},
        {"sechsmal an, dann aus", true, Z::Rot, Z::Aus, 12, Z::Aus, "RARARARARARAAA"},
        {"grün, bleibt an", true, Z::Gruen, Z::Aus, 12, Z::Gruen, "UAUAUAUAUAUAUU"},
        {"erst mit dem ersten Takt, sechsmal rot", false, Z::Rot, Z::Gelb, 11, Z::Rot,
         "ARGRGRGRGRGRRR"},
    };
    const auto zeichen = [](Z z) {
        return z == Z::Rot ? 'R' : z == Z::Gelb ? 'G' : z == Z::Gruen ? 'U' : 'A';
    };
    for (const Fall& f : faelle) {
        QWidget eltern;
        Lampe lampe(&eltern, 20);
        Blinklampe blinker(lampe, 300, f.sofort);
        int enden = 0;
        blinker.beiEnde = [&] { ++enden; };
        blinker.blinke(f.hell, f.dunkel, f.schritte, f.ende);
        QString ist(zeichen(lampe.zustand()));
        while (ist.size() < f.folge.size()) {
            d.uhr.vorstellen(300);
            ist += zeichen(lampe.zustand());
        }
        EXPECT_EQ(ist, f.folge) << f.name;
        EXPECT_EQ(blinker.blinkt(), f.schritte == 0) << f.name;
        EXPECT_EQ(enden, f.schritte == 0 ? 0 : 1) << f.name;
        // angehalten zeigt sie, was sie soll, und der nächste Takt ändert nichts
        blinker.halte(Z::Aus);
        d.uhr.vorstellen(900);
        EXPECT_EQ(lampe.zustand(), Z::Aus) << f.name;
    }
}

// Ein neues Blinken beginnt von vorn, auch mitten im alten
TEST_F(FensterFixture, BlinklampeBeginntNeu) {
    QWidget eltern;
    Lampe lampe(&eltern, 20);
    Blinklampe blinker(lampe, 500);
    blinker.blinke(Lampenzustand::Gruen, Lampenzustand::Aus, 4, Lampenzustand::Rot);
    d.uhr.vorstellen(1500);
    blinker.blinke(Lampenzustand::Gruen, Lampenzustand::Aus, 4, Lampenzustand::Rot);
    EXPECT_EQ(lampe.zustand(), Lampenzustand::Gruen);
    d.uhr.vorstellen(1500);
    EXPECT_TRUE(blinker.blinkt()) << "drei Takte nach dem Neubeginn blinkt sie noch";
    d.uhr.vorstellen(500);
    EXPECT_EQ(lampe.zustand(), Lampenzustand::Rot);
    EXPECT_FALSE(blinker.blinkt());
}
