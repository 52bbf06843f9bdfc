// Die Abschnitte der fünf Spiele in der ausgelieferten Varku.ini, jeder mit seiner echten
// Tabelle: fehlt einer, schreibt sein Spiel ihn mit seinem Kopf ans Ende, und kein anderes
// Programm liest danach etwas anderes als vorher.
#include "foundation/testing/TestOrdner.h"
#include "gamekit/Spieleinstellungen.h"
#include "games/crossword/WendomarEinstellungen.h"
#include "games/fallingletters/DolmixEinstellungen.h"
#include "games/hiddenletters/KartominEinstellungen.h"
#include "games/wheel/ZirkomatEinstellungen.h"
#include "games/wordcard/ZelkoEinstellungen.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace varku;
using namespace varku::test;

namespace {

struct Spiel {
    QString name;
    // was das Spiel liest: die Schlüssel, die dastanden, dann jeder Wert, wie es ihn schriebe;
    // leer ohne Abschnitt
    std::function<std::string(const QString& ini)> lies;
    // schreibt Werte, die in keinem Abschnitt der Datei so stehen, und gibt zurück, was das
    // Spiel danach lesen soll
    std::function<std::string(const QString& ini)> schreibe;
    // die gemeinsamen Werte, mit denen das Spiel nach dem Lesen beginnt
    std::function<Spieleinstellungen(const QString& ini)> beginnt;
};

template <typename E>
std::string zeilen(const Einstellungsabschnitt<E>& a, const QStringList& namen, const E& e) {
    QStringList z = namen;
    for (const auto& [name, wert] : a.zeilen(e))
        z << name + u'=' + wert;
    return z.join(u' ').toStdString();
}

template <typename E> Spiel spiel(const Einstellungsabschnitt<E>& a) {
    return {a.format.abschnitt,
            [&a](const QString& ini) {
                E e;
                QStringList gefunden;
                if (!a.lies(ini, e, &gefunden))
                    return std::string();
                return zeilen(a, gefunden, e);
            },
            [&a](const QString& ini) {
                E e;
                e.GegenComputer = 1;
                e.TonEinschalten = 0;
                e.RatezeitBegrenzen = 0;
                e.ComputerSpielStaerke = 0;
                e.EinstellungenSpeichern = 1;
                a.schreibe(ini, e);
                return zeilen(a, a.namen(), e);
            },
            [&a](const QString& ini) {
                E e;
                Einstellungsbindung b(a, e);
                b.lies(ini);
                return b.werte();
            }};
}

std::vector<Spiel> alleSpiele() {
    return {spiel(zirkomat::zirkomatAbschnitt()), spiel(dolmix::dolmixAbschnitt()),
            spiel(wendomar::wendomarAbschnitt()), spiel(zelko::zelkoAbschnitt()),
            spiel(kartomin::kartominAbschnitt())};
}

QByteArray ausgeliefert() {
    QFile f(QStringLiteral(VARKU_QUELLDATEN "/Varku.ini"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

// die Datei ohne den Abschnitt: vom Kopf bis vor den nächsten
QByteArray ohneAbschnitt(const QByteArray& datei, const QString& name) {
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

} // namespace

// Fehlt der Abschnitt eines Spiels, kommt er mit seinem Kopf ans Ende: er gehört nicht dem
// Abschnitt davor (Kartomins Schlüssel nicht Zelko, Wendomars nicht Kartomin), alles davor
// bleibt Byte für Byte, das Spiel liest seine Werte wieder, und ein zweites Ende hängt nichts an.
TEST(Spielabschnitte, FehlenderAbschnittKommtMitSeinemKopfAnsEnde) {
    const std::vector<Spiel> spiele = alleSpiele();
    for (const Spiel& s : spiele) {
        SCOPED_TRACE(s.name.toStdString());
        TestOrdner o;
        const QByteArray ohne = ohneAbschnitt(ausgeliefert(), s.name);
        ASSERT_LT(ohne.size(), ausgeliefert().size());
        o.schreibe(QStringLiteral("Varku.ini"), ohne);
        const QString ini = o.pfad(QStringLiteral("Varku.ini"));
        ASSERT_TRUE(s.lies(ini).empty());
        std::map<QString, std::string> vorher;
        for (const Spiel& t : spiele)
            vorher[t.name] = t.lies(ini);

        const std::string geschrieben = s.schreibe(ini);
        const QByteArray einmal = o.lies(QStringLiteral("Varku.ini"));
        EXPECT_TRUE(einmal.startsWith(ohne)) << "was dastand, bleibt Byte für Byte";
        EXPECT_TRUE(einmal.mid(ohne.size()).startsWith('[' + s.name.toUtf8() + "]\n"));
        EXPECT_EQ(s.lies(ini), geschrieben);
        for (const Spiel& t : spiele) {
            if (t.name == s.name)
                continue;
            EXPECT_EQ(t.lies(ini), vorher[t.name]) << t.name.toStdString();
        }

        s.schreibe(ini);
        EXPECT_EQ(o.lies(QStringLiteral("Varku.ini")), einmal) << "ein zweites Ende";
    }
}

// Ohne Abschnitt beginnt jedes Spiel gleich: ohne Computer, Ton und Ratezeit, und es speichert
// nichts, bis sein Dialog es will; mit dem ausgelieferten Abschnitt gilt, was darin steht.
TEST(Spielabschnitte, OhneAbschnittBeginntJedesSpielGleich) {
    for (const Spiel& s : alleSpiele()) {
        SCOPED_TRACE(s.name.toStdString());
        TestOrdner o;
        o.schreibe(QStringLiteral("Varku.ini"), ohneAbschnitt(ausgeliefert(), s.name));
        const Spieleinstellungen e = s.beginnt(o.pfad(QStringLiteral("Varku.ini")));
        EXPECT_EQ(e.GegenComputer, 0);
        EXPECT_EQ(e.TonEinschalten, 0);
        EXPECT_EQ(e.RatezeitBegrenzen, 0);
        EXPECT_EQ(e.EinstellungenSpeichern, 0);

        o.schreibe(QStringLiteral("Varku.ini"), ausgeliefert());
        const Spieleinstellungen mit = s.beginnt(o.pfad(QStringLiteral("Varku.ini")));
        EXPECT_EQ(mit.TonEinschalten, 1);
        EXPECT_EQ(mit.EinstellungenSpeichern, 1);
    }
}
