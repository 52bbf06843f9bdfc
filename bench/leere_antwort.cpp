// Der Maßstab für die zwei langsamsten Handgriffe (bench/antwort.sh): dieselben Fensterschritte
// mit bloßem Qt, ohne etwas vorzubereiten. "OK" im Willkommensfenster zeigt ein Hauptfenster mit
// Menüleiste und darüber einen modalen Dialog mit zwölf Listen auf Karteikarten; dessen "OK"
// schließt ihn und öffnet einen kleinen Dialog. Die Größen sind die der Fenster von Varku.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPushButton* knopf(const QString& text, QWidget* eltern, bool vorgabe = false) {
    auto* k = new QPushButton(text, eltern);
    k->setDefault(vorgabe);
    k->setAutoDefault(vorgabe);
    return k;
}

void baueSchwerpunkt(QDialog& d) {
    d.setWindowTitle(QStringLiteral("Leer - Schwerpunkt"));
    d.resize(960, 580);
    auto* spalte = new QVBoxLayout(&d);
    auto* rahmen = new QGroupBox(QStringLiteral("Schwerpunkt"), &d);
    auto* karten = new QTabWidget(rahmen);
    for (int s = 1; s <= 12; ++s) {
        auto* liste = new QListWidget;
        for (int z = 1; z <= 10; ++z)
            liste->addItem(QStringLiteral("Eintrag %1 auf Seite %2").arg(z).arg(s));
        karten->addTab(liste, QStringLiteral("Seite %1").arg(s));
    }
    (new QVBoxLayout(rahmen))->addWidget(karten);
    spalte->addWidget(rahmen, 1);
    auto* wahl = new QGroupBox(QStringLiteral("Auswahl"), &d);
    auto* wahlSpalte = new QVBoxLayout(wahl);
    wahlSpalte->addWidget(new QRadioButton(QStringLiteral("&einige"), wahl));
    auto* alle = new QRadioButton(QStringLiteral("&alle"), wahl);
    alle->setChecked(true);
    wahlSpalte->addWidget(alle);
    spalte->addWidget(wahl);
    auto* ok = knopf(QStringLiteral("&OK"), &d, true);
    spalte->addWidget(ok, 0, Qt::AlignRight);
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
}

void baueSpieler(QDialog& d) {
    d.setWindowTitle(QStringLiteral("Leer - Spieler"));
    d.resize(571, 294);
    auto* gitter = new QGridLayout(&d);
    gitter->addWidget(new QLabel(QStringLiteral("Name:"), &d), 0, 0);
    auto* name = new QComboBox(&d);
    name->addItem(QStringLiteral("bitte wählen"));
    gitter->addWidget(name, 0, 1);
    gitter->addWidget(new QLabel(QStringLiteral("Passwort:"), &d), 1, 0);
    gitter->addWidget(new QLineEdit(&d), 1, 1);
    gitter->addWidget(new QListWidget(&d), 0, 2, 3, 2);
    auto* ok = knopf(QStringLiteral("&OK"), &d, true);
    gitter->addWidget(ok, 3, 2);
    gitter->addWidget(knopf(QStringLiteral("&abbrechen"), &d), 3, 3);
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    QDialog willkommen;
    willkommen.setWindowTitle(QStringLiteral("Willkommen"));
    willkommen.resize(708, 342);
    auto* spalte = new QVBoxLayout(&willkommen);
    spalte->addWidget(new QLabel(QStringLiteral("Willkommen"), &willkommen), 1, Qt::AlignCenter);
    auto* ok = knopf(QStringLiteral("&OK"), &willkommen, true);
    spalte->addWidget(ok, 0, Qt::AlignRight);

    QMainWindow haupt;
    haupt.setWindowTitle(QStringLiteral("Leer"));
    for (const char* menue : {"&Datei", "&Bearbeiten", "&Hilfe"})
        haupt.menuBar()->addMenu(QString::fromUtf8(menue));
    auto* mitte = new QWidget(&haupt);
    auto* knoepfe = new QGridLayout(mitte);
    for (int k = 0; k < 8; ++k)
        knoepfe->addWidget(knopf(QStringLiteral("Knopf %1").arg(k + 1), mitte), k / 4, k % 4);
    haupt.setCentralWidget(mitte);
    haupt.resize(1020, 590);

    QDialog schwerpunkt(&haupt);
    baueSchwerpunkt(schwerpunkt);
    QDialog spieler(&haupt);
    baueSpieler(spieler);

    QObject::connect(ok, &QPushButton::clicked, [&] {
        willkommen.hide();
        haupt.show();
        // wie ein Programm, das seinen ersten Dialog öffnet, sobald das Hauptfenster steht
        QTimer::singleShot(0, &haupt, [&] { schwerpunkt.open(); });
    });
    QObject::connect(&schwerpunkt, &QDialog::accepted, &spieler, &QDialog::open);
    willkommen.show();
    return app.exec();
}
