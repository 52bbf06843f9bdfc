#pragma once

// Prüfungen des Abschnitts eines Spiels in der ausgelieferten Varku.ini, für die Tests jedes
// Spiels mit seiner echten Tabelle: fehlt der Abschnitt, schreibt das Spiel ihn mit seinem Kopf
// ans Ende, alles davor bleibt Byte für Byte, und ohne ihn beginnt jedes Spiel gleich.
#include "foundation/testing/TestOrdner.h"
#include "gamekit/Spieleinstellungen.h"

#include <QFile>
#include <gtest/gtest.h>

namespace varku::test {

inline QByteArray ausgelieferteIni() {
    QFile f(QStringLiteral(VARKU_QUELLDATEN "/Varku.ini"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

// die Datei ohne den Abschnitt: vom Kopf bis vor den nächsten
inline QByteArray ohneAbschnitt(const QByteArray& datei, const QString& name) {
    QByteArray rest;
    bool darin = false;
    for (const QByteArray& zeile : datei.split('\n')) {
        if (zeile.startsWith('['))
            darin = zeile == '[' + name.toUtf8() + ']';
        if (!darin)
            rest += zeile + '\n';
    }
    rest.chop(1);
    return rest;
}

// was das Spiel liest: die Schlüssel, die dastanden, dann jeder Wert, wie es ihn schriebe; leer
// ohne Abschnitt
template <typename E> std::string gelesen(const Einstellungsabschnitt<E>& a, const QString& ini) {
    E e;
    QStringList z;
    if (!a.lies(ini, e, &z))
        return {};
    for (const auto& [name, wert] : a.zeilen(e))
        z << name + u'=' + wert;
    return z.join(u' ').toStdString();
}

// Fehlt der Abschnitt, kommt er mit seinem Kopf ans Ende: er gehört nicht dem Abschnitt davor,
// alles davor bleibt Byte für Byte, das Spiel liest seine Werte wieder, und ein zweites Ende
// hängt nichts an.
template <typename E> void pruefeFehlendenAbschnitt(const Einstellungsabschnitt<E>& a) {
    const QString name = a.format.abschnitt;
    TestOrdner o;
    const QByteArray ohne = ohneAbschnitt(ausgelieferteIni(), name);
    ASSERT_LT(ohne.size(), ausgelieferteIni().size());
    o.schreibe(QStringLiteral("Varku.ini"), ohne);
    const QString ini = o.pfad(QStringLiteral("Varku.ini"));
    ASSERT_TRUE(gelesen(a, ini).empty());

    // Werte, die in keinem Abschnitt der Datei so stehen
    E e;
    e.GegenComputer = 1;
    e.TonEinschalten = 0;
    e.RatezeitBegrenzen = 0;
    e.ComputerSpielStaerke = 0;
    e.EinstellungenSpeichern = 1;
    a.schreibe(ini, e);
    const QByteArray einmal = o.lies(QStringLiteral("Varku.ini"));
    EXPECT_TRUE(einmal.startsWith(ohne)) << "was dastand, bleibt Byte für Byte";
    EXPECT_TRUE(einmal.mid(ohne.size()).startsWith('[' + name.toUtf8() + "]\n"));
    E wieder;
    ASSERT_TRUE(a.lies(ini, wieder));
    EXPECT_EQ(a.zeilen(wieder), a.zeilen(e));

    a.schreibe(ini, e);
    EXPECT_EQ(o.lies(QStringLiteral("Varku.ini")), einmal) << "ein zweites Ende";
}

// Ohne Abschnitt beginnt jedes Spiel gleich: ohne Computer, Ton und Ratezeit, und es speichert
// nichts, bis sein Dialog es will; mit dem ausgelieferten Abschnitt gilt, was darin steht.
template <typename E> void pruefeBeginnOhneAbschnitt(const Einstellungsabschnitt<E>& a) {
    const auto beginnt = [&a](const QByteArray& datei) {
        TestOrdner o;
        o.schreibe(QStringLiteral("Varku.ini"), datei);
        E e;
        Einstellungsbindung b(a, e);
        b.lies(o.pfad(QStringLiteral("Varku.ini")));
        return b.werte();
    };
    const Spieleinstellungen ohne = beginnt(ohneAbschnitt(ausgelieferteIni(), a.format.abschnitt));
    EXPECT_EQ(ohne.GegenComputer, 0);
    EXPECT_EQ(ohne.TonEinschalten, 0);
    EXPECT_EQ(ohne.RatezeitBegrenzen, 0);
    EXPECT_EQ(ohne.EinstellungenSpeichern, 0);
    const Spieleinstellungen mit = beginnt(ausgelieferteIni());
    EXPECT_EQ(mit.TonEinschalten, 1);
    EXPECT_EQ(mit.EinstellungenSpeichern, 1);
}

} // namespace varku::test
