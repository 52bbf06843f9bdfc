#include "gamekit/tests/Testspiel.h"

#include "foundation/Global.h"
#include "foundation/Sound.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku::test {

Spielkonfiguration Testspiel::konfiguration() {
    Spielkonfiguration k;
    k.name = QStringLiteral("Testspiel");
    k.abschnitt = QStringLiteral("Testspiel");
    k.radspielFrage = true;
    return k;
}

const Einstellungsabschnitt<Testspiel::Einstellungen>& Testspiel::abschnitt() {
    using E = Einstellungen;
    static const Einstellungsabschnitt<E> a{
        AbschnittsFormat{QStringLiteral("Testspiel"), QStringLiteral("VARKU.TMP"), true},
        {
            ganzzahl("GegenComputer", &E::GegenComputer, 0, 1, Bereich::Begrenzen),
            ganzzahl("TonEinschalten", &E::TonEinschalten, 0, 1, Bereich::Begrenzen),
            ganzzahl("RatezeitBegrenzen", &E::RatezeitBegrenzen, 0, 1, Bereich::Begrenzen),
            ganzzahl("EinstellungenSpeichern", &E::EinstellungenSpeichern, 0, 1,
                     Bereich::Begrenzen),
        }};
    return a;
}

Testspiel::Testspiel(const Spielkonfiguration& k, const Spielstartdaten& s) : Spielfenster(k, s) {
    auto* brett = new QWidget(this);
    auto* lage = new QVBoxLayout(brett);
    WortLbl = new QLabel(brett);
    WortLbl->setObjectName(QStringLiteral("WortLbl"));
    richtigBtn = new QPushButton(QStringLiteral("&richtig"), brett);
    richtigBtn->setObjectName(QStringLiteral("richtigBtn"));
    lage->addWidget(WortLbl);
    lage->addWidget(richtigBtn);
    connect(richtigBtn, &QPushButton::clicked, this, &Testspiel::richtig);
    setzeSpielbrett(brett);
    Form_Load();
}

void Testspiel::Form_Load() {
    abschnitt().lies(imProgrammordner(QStringLiteral("Varku.ini")), einst);
    spieleSound(QStringLiteral("ProgrammStart"));
    ladeSchwerpunkt();
    ladeFehlerwoerter();
    if (!ladeWoerter(WortTabellen{false, true, false}))
        return;
    naechstesWort();
    starteSpielzeit();
    initVuZeiger();
    switchVuRestZeit(einst.RatezeitBegrenzen != 0);
    schalteMenues(true);
}

void Testspiel::naechstesWort() {
    woerter.naechstesSpielWort(Spielwoerter::Wahl{});
    WortLbl->setText(woerter.Wort);
}

void Testspiel::richtig() {
    runde.gibPunkte(10);
    zeigePunkte();
    zeigeSpielstand();
    spieleSound(QStringLiteral("Gratulation1"));
    naechstesWort();
    naechsterSpieler();
}

void Testspiel::neuesSpiel() {
    ++neueSpiele;
    naechstesWort();
}

void Testspiel::computerZug() {
    ++computerZuege;
    spieleWavWarten(QStringLiteral("TROPFEN"));
    runde.gibPunkte(5);
    naechsterSpieler();
}

void Testspiel::zeigeEinstellungen() {
    const int vorher = einst.GegenComputer;
    if (imDialog)
        imDialog(einst);
    switchVuRestZeit(einst.RatezeitBegrenzen != 0);
    setzeComputer(einst.GegenComputer == 1);
    // der Computer kam oder ging: die Reihe beginnt wieder vorn
    if (einst.GegenComputer != vorher) {
        runde.ersterSpieler();
        zeigeSpieler();
    }
}

void Testspiel::speichereEinstellungen() {
    ++gespeichert;
    if (einst.EinstellungenSpeichern == 1)
        abschnitt().schreibe(imProgrammordner(QStringLiteral("Varku.ini")), einst);
}

} // namespace varku::test
