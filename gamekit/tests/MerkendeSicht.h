#pragma once

#include "gamekit/Spielablauf.h"

#include <QStringList>
#include <functional>

namespace varku::test {

// Eine Sicht ohne Fenster für die Tests der Spielregeln: sie merkt jede Meldung als
// "Titel: Text" (Zeilen mit "|"), antwortet mit ihrem ersten Knopf und bestätigt jedes Ende.
// waehrendMeldung läuft, während eine Meldung steht.
struct MerkendeSicht : Spielsicht {
    QStringList meldungen;
    std::function<void()> waehrendMeldung;

    void zeigeSchwerpunkt() override {}
    void zeigeSpieler() override {}
    void zeigeRatezeit() override {}
    void zeigeSpielzeit() override {}
    void zeigeMenues() override {}
    void zeigeSitze() override {}
    QString zeigeMeldungsfenster(const QString& text, const QString& titel, const QString& knopf1,
                                 const QString&) override {
        meldungen << titel + QStringLiteral(": ") + QString(text).replace(u'\r', u'|');
        if (waehrendMeldung)
            waehrendMeldung();
        return QString(knopf1).remove(u'&');
    }
    bool endeBestaetigt(const QString&) override { return true; }
    void zeichneSofort() override {}
    void schliesseFenster() override {}
};

} // namespace varku::test
