#include "gamekit/Spielrunde.h"

#include "foundation/Texte.h"

namespace varku {

const QString Spielrunde::computerName = QStringLiteral("Computer");

Spielrunde::Spielrunde(const Startparameter& p) {
    nSpieler = int(std::min<qsizetype>(p.SpielerName.size(), spielerPlaetze));
    for (int i = 0; i < nSpieler; ++i) {
        SpielerName[size_t(i)] = p.SpielerName.at(i);
        SpielerDatei[size_t(i)] = p.SpielerDatei.value(i);
    }
}

bool Spielrunde::computerSitzt() const {
    // der Computer hat keinen Protokollstamm; ein Kind, das "Computer" heißt, schon
    return nSpieler > 0 && SpielerName[size_t(nSpieler - 1)] == computerName &&
           SpielerDatei[size_t(nSpieler - 1)].isEmpty();
}

int Spielrunde::menschen() const {
    return nSpieler - (computerSitzt() ? 1 : 0);
}

bool Spielrunde::computerAmZug() const {
    return computerSitzt() && aktSpieler == nSpieler - 1;
}

Spielrunde::Sitz Spielrunde::setzeComputer(bool mitspielen, int hoechstens) {
    if (mitspielen == computerSitzt())
        return Sitz::Unveraendert;
    if (mitspielen) {
        if (nSpieler >= hoechstens || nSpieler >= spielerPlaetze)
            return Sitz::KeinPlatz;
        ++nSpieler;
        SpielerName[size_t(nSpieler - 1)] = computerName;
        SpielerDatei[size_t(nSpieler - 1)].clear();
        SpielerPunkte[size_t(nSpieler - 1)] = 0;
        return Sitz::Gesetzt;
    }
    --nSpieler;
    if (aktSpieler >= nSpieler)
        aktSpieler = 0;
    return Sitz::Entfernt;
}

void Spielrunde::naechsterSpieler() {
    aktSpieler = naechsterPlatz();
}

int Spielrunde::naechsterPlatz() const {
    return aktSpieler + 1 >= nSpieler ? 0 : aktSpieler + 1;
}

void Spielrunde::ersterSpieler() {
    aktSpieler = spielerPlaetze;
    naechsterSpieler();
}

void Spielrunde::gibPunkte(long p) {
    SpielerPunkte[size_t(aktSpieler)] += p;
}

void Spielrunde::ziehePunkteAb(long p) {
    long& punkte = SpielerPunkte[size_t(aktSpieler)];
    punkte = std::max(0L, punkte - p);
}

void Spielrunde::allePunkteNull() {
    SpielerPunkte.fill(0);
}

std::vector<std::pair<QString, long>> Spielrunde::stand() const {
    std::vector<std::pair<QString, long>> s;
    for (int i = 0; i < nSpieler; ++i)
        s.emplace_back(SpielerName[size_t(i)], SpielerPunkte[size_t(i)]);
    return s;
}

QString endeFrage(const QString& spiel, int menschen) {
    return duOderIhr(menschen,
                     QStringLiteral("Bist du wirklich sicher, dass du ") + spiel +
                         QStringLiteral(" beenden willst?"),
                     QStringLiteral("Seid ihr wirklich sicher, dass ihr ") + spiel +
                         QStringLiteral(" beenden wollt?"));
}

Frage neuesSpielFrage(const QString& spiel, bool radspiel, bool neinZuerst, int gezaehlt) {
    Frage f;
    if (radspiel)
        f.text = duOderIhr(gezaehlt,
                           QStringLiteral("Bist du wirklich sicher,\rdass du ") + spiel +
                               QStringLiteral(" neu\rstarten willst?"),
                           QStringLiteral("Seid ihr wirklich sicher,\rdass ihr ") + spiel +
                               QStringLiteral(" neu\rstarten wollt?"));
    else
        f.text =
            duOderIhr(gezaehlt,
                      QStringLiteral("Wenn du das Spiel neu beginnst,\rgehen alle Punkte "
                                     "verloren.\rBist du sicher, dass du das\rwirklich willst?"),
                      QStringLiteral("Wenn ihr das Spiel neu beginnt,\rgehen alle Punkte "
                                     "verloren.\rSeid ihr sicher, dass ihr das\rwirklich wollt?"));
    f.knopf1 = neinZuerst ? QStringLiteral("&nein") : QStringLiteral("&ja");
    f.knopf2 = neinZuerst ? QStringLiteral("&ja") : QStringLiteral("&nein");
    return f;
}

QString ratezeitMeldung(const QString& name) {
    return QStringLiteral("Die Ratezeit ist leider\rabgelaufen, ") + holeVorname(name) +
           QLatin1Char('.');
}

QString spielzeitMeldung(const QString& spiel) {
    return QStringLiteral("Die Höchstspielzeit ist abgelaufen!\r") + spiel +
           QStringLiteral(" wird jetzt beendet.");
}

} // namespace varku
