#include "gamekit/tests/Testspiel.h"

#include "foundation/Sound.h"
#include "platform/Dienste.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku::test {

Spielkonfiguration Testspiel::konfiguration() {
    Spielkonfiguration k;
    k.name = QStringLiteral("Testspiel");
    k.neuStartenFrage = true;
    return k;
}

const Einstellungsabschnitt<Testspiel::Einstellungen>& Testspiel::abschnitt() {
    using E = Einstellungen;
    static const Einstellungsabschnitt<E> a{
        AbschnittsFormat{QStringLiteral("Testspiel"), QStringLiteral("VARKU.TMP"), true},
        {
            gegenComputerSchluessel<E>(),
            tonSchluessel<E>(),
            ganzzahl<E, int>("Tempo", &E::Tempo, 0, 60, Bereich::Begrenzen),
            ratezeitSchluessel<E>(),
            speichernSchluessel<E>(),
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

    CompFrm = new QDialog(this);
    CompFrm->setObjectName(QStringLiteral("CompFrm"));
    ablauf.setzeComputerfenster(CompFrm);
    EinstFrm = new QDialog(this);
    EinstFrm->setObjectName(QStringLiteral("EinstFrm"));
    AnimTimer = ablauf.neuerTimer();
    AnimTimer->beiTick = [this] { ++animTakte; };
    ablauf.setzeRegeln(regeln);
    ablauf.bindeEinstellungen(Einstellungsbindung(abschnitt(), einst));
    lade();
}

void Testspiel::ladeSpiel() {
    naechstesWort();
    if (einst.Tempo > 0) {
        AnimTimer->setzeIntervall(einst.Tempo * 1000);
        AnimTimer->setzeAktiv(true);
    }
}

void Testspiel::naechstesWort() {
    woerter.naechstesSpielWort(Spielwoerter::Wahl{});
    WortLbl->setText(woerter.Wort);
}

void Testspiel::richtig() {
    regeln.sterne[size_t(runde.aktSpieler)] += 10;
    zeigePunkte();
    spieleSound(QStringLiteral("Gratulation1"));
    naechstesWort();
    ablauf.naechsterSpieler();
}

bool Testspiel::taste(QKeyEvent* e) {
    if (e->text() != QStringLiteral("r"))
        return false;
    richtig();
    return true;
}

void Testspiel::ratezeitAbgelaufen(Spielablauf& a) {
    ++zeitUm;
    if (eigeneRatezeit)
        a.meldung(QStringLiteral("Die Zeit ist um."), QStringLiteral("Spielerwechsel"));
    else
        Spielfenster::ratezeitAbgelaufen(a);
}

void Testspiel::computerZug() {
    // der Computer zieht in seinem Fenster; das Skript des Tests lässt darin die Zeit laufen
    dienste::anzeige().zeigeModal(*CompFrm);
    if (beendet() || !ablauf.computerAmZug())
        return;
    spieleWavWarten(QStringLiteral("TROPFEN"));
    regeln.sterne[size_t(runde.aktSpieler)] += 5;
    ablauf.naechsterSpieler();
}

void Testspiel::neuesSpiel() {
    naechstesWort();
}

bool Testspiel::menueGesperrt(Menue m) const {
    return m == Menue::Einstellungen && AnimTimer->aktiv();
}

bool Testspiel::zeigeEinstellungen() {
    dienste::anzeige().zeigeModal(*EinstFrm);
    Einstellungen e = einst;
    if (!imDialog || !imDialog(e))
        return false;
    einst = e;
    return true;
}

} // namespace varku::test
