#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// ein Textfeld, das Enter selbst nimmt, wie das Schreibfeld der Übung
class EnterFeld : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    int enter = 0;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            ++enter;
            return;
        }
        QLineEdit::keyPressEvent(e);
    }
};

// Ein Fenster mit zwei Knöpfen "a" und "b" und zwei Feldern; gezählt wird, was gedrückt wurde.
struct Fenster {
    std::unique_ptr<QWidget> w;
    QPushButton* a;
    QPushButton* b;
    EnterFeld* eigen;
    QLineEdit* feld;
    QString gedrueckt;

    explicit Fenster(bool dialog) {
        QWidget* flaeche;
        if (dialog) {
            w = std::make_unique<QDialog>();
            flaeche = w.get();
        } else {
            auto* haupt = new QMainWindow;
            w.reset(haupt);
            flaeche = new QWidget(haupt);
            haupt->setCentralWidget(flaeche);
        }
        auto* l = new QVBoxLayout(flaeche);
        a = new QPushButton(QStringLiteral("a"), flaeche);
        b = new QPushButton(QStringLiteral("b"), flaeche);
        eigen = new EnterFeld(flaeche);
        feld = new QLineEdit(flaeche);
        for (QWidget* x : std::initializer_list<QWidget*>{a, b, eigen, feld})
            l->addWidget(x);
        b->setAutoDefault(false); // wie die Knöpfe des Meldungsfensters
        if (dialog)
            a->setDefault(true);
        QObject::connect(a, &QPushButton::clicked, [this] { gedrueckt += 'a'; });
        QObject::connect(b, &QPushButton::clicked, [this] { gedrueckt += 'b'; });
        w->show();
        w->activateWindow();
        (void)QTest::qWaitForWindowActive(w.get());
    }
};

void taste(QWidget* ziel, Qt::Key key, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(ziel, key, mod);
}

} // namespace

// Return und Enter drücken den Knopf mit der Tastatur, im Hauptfenster wie im Dialog (dort vor
// dem Standardknopf); ohne Knopf mit Tastatur bleibt alles, wie Qt es macht.
TEST(Knopftasten, EnterDruecktDenKnopfMitDerTastatur) {
    struct Fall {
        const char* name;
        bool dialog;
        std::function<QWidget*(Fenster&)> fokus;
        Qt::Key key;
        Qt::KeyboardModifiers mod;
        const char* gedrueckt;
        int eigenesEnter;
    };
    const auto knopfA = [](Fenster& f) -> QWidget* { return f.a; };
    const auto knopfB = [](Fenster& f) -> QWidget* { return f.b; };
    const auto eigen = [](Fenster& f) -> QWidget* { return f.eigen; };
    const auto feld = [](Fenster& f) -> QWidget* { return f.feld; };
    const Fall faelle[] = {
        {"Hauptfenster Return", false, knopfB, Qt::Key_Return, Qt::NoModifier, "b", 0},
        {"Hauptfenster Enter", false, knopfA, Qt::Key_Enter, Qt::KeypadModifier, "a", 0},
        {"Dialog: der Knopf vor dem Standardknopf", true, knopfB, Qt::Key_Return, Qt::NoModifier,
         "b", 0},
        {"Dialog: Enter am Ziffernblock", true, knopfB, Qt::Key_Enter, Qt::KeypadModifier, "b", 0},
        {"Dialog ohne Knopf mit Tastatur: der Standardknopf", true, feld, Qt::Key_Return,
         Qt::NoModifier, "a", 0},
        {"Textfeld mit eigenem Enter im Hauptfenster", false, eigen, Qt::Key_Return, Qt::NoModifier,
         "", 1},
        {"Textfeld mit eigenem Enter im Dialog", true, eigen, Qt::Key_Enter, Qt::KeypadModifier, "",
         1},
        {"Strg+Return ist keine Knopftaste", false, knopfB, Qt::Key_Return, Qt::ControlModifier, "",
         0},
        {"Leertaste wie immer", false, knopfB, Qt::Key_Space, Qt::NoModifier, "b", 0},
    };
    for (const Fall& fall : faelle) {
        Fenster f(fall.dialog);
        QWidget* ziel = fall.fokus(f);
        ziel->setFocus();
        ASSERT_EQ(f.w->focusWidget(), ziel) << fall.name;
        taste(f.w->focusWidget(), fall.key, fall.mod);
        EXPECT_EQ(f.gedrueckt, QString::fromUtf8(fall.gedrueckt)) << fall.name;
        EXPECT_EQ(f.eigen->enter, fall.eigenesEnter) << fall.name;
    }
}

// Eine gehaltene Enter-Taste drückt einmal, nicht bei jeder Wiederholung.
TEST(Knopftasten, GehalteneTasteDruecktEinmal) {
    Fenster f(false);
    f.b->setFocus();
    for (bool wiederholt : {false, true, true, true}) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                    wiederholt);
        QApplication::sendEvent(f.b, &e);
    }
    EXPECT_EQ(f.gedrueckt, "b");
}

// Alt und ein Buchstabe drücken den Knopf, auch wenn ein Menü denselben Buchstaben hat; gehört
// er zwei Knöpfen oder keinem, bleibt es bei Qt.
TEST(Knopftasten, AltTasteVorDemMenue) {
    struct Fall {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers mod;
        const char* gedrueckt;
    };
    const Fall faelle[] = {
        {"Alt+D: drehen, nicht Datei", Qt::Key_D, Qt::AltModifier, "d"},
        {"Alt+A: anhalten", Qt::Key_A, Qt::AltModifier, "a"},
        {"Alt+X gehört zwei Knöpfen", Qt::Key_X, Qt::AltModifier, ""},
        {"Alt+Q gehört keinem", Qt::Key_Q, Qt::AltModifier, ""},
        {"d ohne Alt", Qt::Key_D, Qt::NoModifier, ""},
        {"Strg+Alt+D", Qt::Key_D, Qt::AltModifier | Qt::ControlModifier, ""},
    };
    for (const Fall& fall : faelle) {
        QMainWindow w;
        w.menuBar()->addMenu(QStringLiteral("&Datei"))->addAction(QStringLiteral("&Ende"));
        auto* flaeche = new QWidget(&w);
        w.setCentralWidget(flaeche);
        auto* l = new QVBoxLayout(flaeche);
        QString gedrueckt;
        for (const char* text : {"&drehen", "&anhalten", "&x1", "&x2", "&quer"}) {
            auto* k = new QPushButton(QString::fromUtf8(text), flaeche);
            l->addWidget(k);
            QObject::connect(k, &QPushButton::clicked,
                             [&gedrueckt, text] { gedrueckt += QChar::fromLatin1(text[1]); });
            // ein verborgener oder gesperrter Knopf zählt nicht
            if (QByteArray(text) == "&quer")
                k->setEnabled(false);
        }
        auto* feld = new QLineEdit(flaeche);
        l->addWidget(feld);
        w.show();
        w.activateWindow();
        (void)QTest::qWaitForWindowActive(&w);
        feld->setFocus();
        QTest::keyClick(feld, fall.key, fall.mod);
        QTest::qWait(200); // der Knopf wird sichtbar gedrückt
        EXPECT_EQ(gedrueckt, QString::fromUtf8(fall.gedrueckt)) << fall.name;
    }
}
