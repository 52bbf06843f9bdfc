// Varku.ini ändert jeder mit einem Texteditor: jeder Abschnitt wird mit seiner echten
// Schlüsseltabelle gelesen und neu geschrieben. Gelesen gibt es höchstens den Überlauf eines
// Schlüssels, der ihn meldet, geschrieben nie einen Fehler, und was geschrieben ist, liest sich
// wieder so. Je Eingabe ein Abschnitt, nach ihrer Länge gewählt: so bleibt ein Lauf linear.
#include "foundation/Global.h"
#include "foundation/Sound.h"
#include "foundation/Spielzeit.h"
#include "foundation/Textkodierung.h"
#include "frame/Druck.h"
#include "frame/Spieleliste.h"
#include "frame/VarkuIni.h"
#include "games/crossword/WendomarEinstellungen.h"
#include "games/fallingletters/DolmixEinstellungen.h"
#include "games/hiddenletters/KartominEinstellungen.h"
#include "games/wheel/ZirkomatEinstellungen.h"
#include "games/wordcard/ZelkoEinstellungen.h"
#include "platform/Dienste.h"
#include "platform/Laufzeitfehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

using namespace varku;

namespace {

void pruefe(bool bedingung) {
    if (!bedingung)
        std::abort();
}

// merkt sich, welche Klänge vorab geladen werden sollen; zu hören ist nichts
class Klangliste : public SoundGeraet {
public:
    QStringList geladen;
    void lade(const QStringList& dateien) override { geladen = dateien; }
    void spiele(const QString&) override {}
    void spieleUndWarte(const QString&) override {}
    void schliesse() override {}
    bool ausgabeMoeglich() override { return false; }
};

struct Ort {
    QTemporaryDir ordner;
    QString ini = ordner.filePath(QStringLiteral("Varku.ini"));
    QString klaenge = ordner.filePath(QStringLiteral("Sound"));
    Klangliste* geraet = nullptr;

    Ort() {
        ProgPfad = ordner.path();
        // zwei Klänge, deren Namen in der Datei anders geschrieben sein dürfen
        QDir().mkpath(klaenge);
        for (const char* name : {"Klick.wav", "GONG.WAV"}) {
            QFile f(QDir(klaenge).filePath(QString::fromLatin1(name)));
            if (!f.open(QIODevice::WriteOnly))
                std::abort();
        }
        auto g = std::make_unique<Klangliste>();
        geraet = g.get();
        dienste::setze(std::move(g));
    }
};

// Liest, schreibt, liest. Ein Laufzeitfehler beim ersten Lesen muss ein Überlauf eines der
// Schlüssel sein, die ihn melden; danach gibt es keinen mehr. Ohne Komma in der Datei sind
// die Werte nach dem Schreiben dieselben, bis auf die 15 Stellen einer Kommazahl; mit Komma
// können Elemente einer Zeile zu zwei Abschnitten gehören oder ein Wert in Anführungszeichen
// ein Komma tragen, das geschrieben trennt. Ein zweites Schreiben ändert aber nichts mehr.
template <typename S, typename Gleich, typename Ergaenze>
void rundgang(const Einstellungsabschnitt<S>& abschnitt, const QString& ini, bool kommafrei,
              const QStringList& melden, Gleich gleich, Ergaenze ergaenze) {
    S eins{};
    bool gefunden = false;
    try {
        gefunden = abschnitt.lies(ini, eins);
    } catch (const Laufzeitfehler& f) {
        pruefe(f.nummer() == Laufzeitfehler::Ueberlauf);
        const QString vorn = QFileInfo(ini).fileName() + QStringLiteral(" [") +
                             abschnitt.format.abschnitt + QStringLiteral("] ");
        pruefe(f.betrifft().startsWith(vorn));
        bool bekannt = false;
        for (const QString& name : melden)
            bekannt |= f.betrifft().mid(vorn.size()).startsWith(name + u'=');
        pruefe(bekannt);
        return;
    }
    // wie das Programm: was fehlt, ergänzt es vor dem Schreiben, ob mit Abschnitt oder ohne
    ergaenze(eins);
    try {
        abschnitt.schreibe(ini, eins);
        S zwei{};
        // ein fehlender Abschnitt steht danach mit seinem Kopf am Ende und liest sich wie
        // geschrieben
        pruefe(abschnitt.lies(ini, zwei));
        if (kommafrei || !gefunden)
            pruefe(gleich(eins, zwei, false));
        abschnitt.schreibe(ini, zwei);
        S drei{};
        pruefe(abschnitt.lies(ini, drei));
        pruefe(gleich(zwei, drei, true));
    } catch (const Laufzeitfehler&) {
        std::abort();
    }
}

bool gleicheZahl(double a, double b, bool genau) {
    return genau ? a == b : iniZahl(a) == iniZahl(b);
}

bool gleich(const VarkuEinstellungen& a, const VarkuEinstellungen& b, bool genau) {
    return a.TextFontName == b.TextFontName &&
           gleicheZahl(a.TextFontGroesse, b.TextFontGroesse, genau) &&
           a.TextFontFett == b.TextFontFett && a.TextFontKursiv == b.TextFontKursiv &&
           a.Nachschreiben == b.Nachschreiben && a.LeseLupe == b.LeseLupe &&
           a.Schwierigkeitsgrad == b.Schwierigkeitsgrad && a.TonEinschalten == b.TonEinschalten &&
           a.EinstellungenSpeichern == b.EinstellungenSpeichern &&
           a.BeispielSatz == b.BeispielSatz && a.TextToSpeech == b.TextToSpeech &&
           a.SprachAusgabeSatz == b.SprachAusgabeSatz && a.AutoDialog == b.AutoDialog;
}

bool gleich(const SprachEinstellungen& a, const SprachEinstellungen& b, bool) {
    return a.Modus == b.Modus && a.Lautstaerke == b.Lautstaerke &&
           a.Geschwindigkeit == b.Geschwindigkeit && a.Stimmlage == b.Stimmlage &&
           a.TranskripteWoerter == b.TranskripteWoerter &&
           a.TranskripteSaetze == b.TranskripteSaetze && a.ModusGelesen == b.ModusGelesen &&
           a.LautstaerkeGelesen == b.LautstaerkeGelesen &&
           a.GeschwindigkeitGelesen == b.GeschwindigkeitGelesen &&
           a.StimmlageGelesen == b.StimmlageGelesen;
}

bool gleich(const DruckerRaender& a, const DruckerRaender& b, bool) {
    return a.LinkerRand == b.LinkerRand && a.RechterRand == b.RechterRand &&
           a.ObererRand == b.ObererRand && a.UntererRand == b.UntererRand;
}

bool gleich(const zirkomat::Einstellungen& a, const zirkomat::Einstellungen& b, bool) {
    return a.GegenComputer == b.GegenComputer && a.ComputerSpielStaerke == b.ComputerSpielStaerke &&
           a.TonEinschalten == b.TonEinschalten && a.RatezeitBegrenzen == b.RatezeitBegrenzen &&
           a.EinstellungenSpeichern == b.EinstellungenSpeichern &&
           a.TastaturEingabeSperren == b.TastaturEingabeSperren &&
           a.BuchstabenRahmen == b.BuchstabenRahmen && a.LoesWortFarbig == b.LoesWortFarbig &&
           a.FehlversucheMaximum == b.FehlversucheMaximum;
}

bool gleich(const dolmix::Einstellungen& a, const dolmix::Einstellungen& b, bool) {
    return a.BuchstabenGross == b.BuchstabenGross && a.SteinZufallsFolge == b.SteinZufallsFolge &&
           a.FallGeschwindigkeit == b.FallGeschwindigkeit &&
           a.WarnungEinschalten == b.WarnungEinschalten &&
           a.SpielerWechselBeiFehler == b.SpielerWechselBeiFehler &&
           a.SpielerWechselNachZeit == b.SpielerWechselNachZeit &&
           a.TonEinschalten == b.TonEinschalten &&
           a.EinstellungenSpeichern == b.EinstellungenSpeichern;
}

bool gleich(const wendomar::Einstellungen& a, const wendomar::Einstellungen& b, bool) {
    return a.GegenComputer == b.GegenComputer && a.TonEinschalten == b.TonEinschalten &&
           a.RatezeitBegrenzen == b.RatezeitBegrenzen &&
           a.EinstellungenSpeichern == b.EinstellungenSpeichern;
}

bool gleich(const Spieleinstellungen& a, const Spieleinstellungen& b, bool) {
    return a.GegenComputer == b.GegenComputer && a.ComputerSpielStaerke == b.ComputerSpielStaerke &&
           a.TonEinschalten == b.TonEinschalten && a.RatezeitBegrenzen == b.RatezeitBegrenzen &&
           a.EinstellungenSpeichern == b.EinstellungenSpeichern;
}

bool gleich(const kartomin::Einstellungen& a, const kartomin::Einstellungen& b, bool) {
    return a.TonEinschalten == b.TonEinschalten && a.RatezeitBegrenzen == b.RatezeitBegrenzen &&
           a.FeldMarkierung == b.FeldMarkierung && a.GegenComputer == b.GegenComputer &&
           a.ComputerSpielStaerke == b.ComputerSpielStaerke &&
           a.EinstellungenSpeichern == b.EinstellungenSpeichern;
}

// Werte, die mit Begrenzen gelesen werden, liegen in ihrem Bereich
void pruefeBereiche(const DruckerRaender& r) {
    for (const int32_t rand : {r.LinkerRand, r.RechterRand, r.ObererRand, r.UntererRand})
        pruefe(rand >= INT16_MIN && rand <= INT16_MAX);
}

void pruefeBereiche(const zirkomat::Einstellungen& e) {
    pruefe(e.ComputerSpielStaerke >= 0 && e.ComputerSpielStaerke <= 2);
    pruefe(e.FehlversucheMaximum >= 0 && e.FehlversucheMaximum <= zirkomat::hoechstensFehlversuche);
    for (const int schalter :
         {e.GegenComputer, e.TonEinschalten, e.RatezeitBegrenzen, e.EinstellungenSpeichern,
          e.TastaturEingabeSperren, e.BuchstabenRahmen})
        pruefe(schalter == 0 || schalter == 1);
}

void pruefeBereiche(const dolmix::Einstellungen& e) {
    pruefe(e.FallGeschwindigkeit >= INT16_MIN && e.FallGeschwindigkeit <= INT16_MAX);
    pruefe(e.SpielerWechselNachZeit >= 0 && e.SpielerWechselNachZeit <= dolmix::hoechstensMinuten);
    for (const int schalter :
         {e.BuchstabenGross, e.SteinZufallsFolge, e.WarnungEinschalten, e.SpielerWechselBeiFehler,
          e.TonEinschalten, e.EinstellungenSpeichern})
        pruefe(schalter == 0 || schalter == 1);
    // jeder gelesene Wert gibt einen Fall, der weder durch 0 teilt noch stillsteht
    const int ms = dolmix::fallSchrittMs(e.FallGeschwindigkeit);
    pruefe(ms >= 500 && ms <= 2500);
}

void pruefeBereiche(const wendomar::Einstellungen& e) {
    for (const int schalter :
         {e.GegenComputer, e.TonEinschalten, e.RatezeitBegrenzen, e.EinstellungenSpeichern})
        pruefe(schalter == 0 || schalter == 1);
}

// Zelko: die fünf gemeinsamen Schlüssel, zwei Stärken
void pruefeBereiche(const Spieleinstellungen& e) {
    pruefe(e.ComputerSpielStaerke == 0 || e.ComputerSpielStaerke == 1);
    for (const int schalter :
         {e.GegenComputer, e.TonEinschalten, e.RatezeitBegrenzen, e.EinstellungenSpeichern})
        pruefe(schalter == 0 || schalter == 1);
}

void pruefeBereiche(const kartomin::Einstellungen& e) {
    // nur die beiden Stärken, die der Dialog zeigt
    pruefe(e.ComputerSpielStaerke == kartomin::staerkeStark ||
           e.ComputerSpielStaerke == kartomin::staerkeSchwach);
    for (const int schalter : {e.TonEinschalten, e.RatezeitBegrenzen, e.FeldMarkierung,
                               e.GegenComputer, e.EinstellungenSpeichern})
        pruefe(schalter == 0 || schalter == 1);
}

void pruefeKlaenge(const Ort& ort) {
    // vorab und beim Laden dieselben Klänge
    ort.geraet->geladen.clear();
    ladeKlaengeVorab();
    const QStringList vorab = ort.geraet->geladen;
    initSoundTabelle();
    const std::array<SoundEintrag, 15> leer = SoundTabelle;
    ladeSoundIni();
    const QStringList geladen = ort.geraet->geladen;
    pruefe(geladen == vorab);
    pruefe(geladen.size() == QSet<QString>(geladen.begin(), geladen.end()).size());

    qsizetype laut = 0;
    const QStringList vorhanden = QDir(ort.klaenge).entryList(QDir::Files);
    for (size_t i = 0; i < SoundTabelle.size(); ++i) {
        const SoundEintrag& e = SoundTabelle[i];
        pruefe(e.name == leer[i].name);
        pruefe(e.datei == trimme(e.datei) && !e.datei.contains(u'\r') && !e.datei.contains(u'\n'));
        if (e.datei == u"<NULL>" || e.datei.contains(u'/'))
            continue;
        ++laut;
        // der Klang liegt im Klangordner, mit dem Namen, wie er dort geschrieben ist
        const QString name = e.datei + QStringLiteral(".WAV");
        bool gefunden = false;
        for (const QString& pfad : geladen) {
            const QFileInfo info(pfad);
            if (info.absolutePath() != QFileInfo(ort.klaenge).absoluteFilePath() ||
                info.fileName().compare(name, Qt::CaseInsensitive) != 0)
                continue;
            gefunden = true;
            bool gibtEs = false;
            for (const QString& v : vorhanden)
                gibtEs |= v.compare(name, Qt::CaseInsensitive) == 0;
            pruefe(info.isFile() == gibtEs);
        }
        pruefe(gefunden);
    }
    pruefe(geladen.size() <= 15 && (laut == 0 || !geladen.isEmpty()));
}

void pruefeSpiele(const Ort& ort, const QByteArray& bytes) {
    const QString text = dateiText(bytes);
    const QStringList spiele = leseSpieleListe(text);
    pruefe(spiele.size() <= text.count(u',') + text.count(u'\n') + text.count(u'\r') + 1);
    for (const QString& s : spiele)
        pruefe(s == trimme(s) && !s.contains(u'\r') && !s.contains(u'\n'));

    const int dauer = leseMaxSpielDauer(ort.ini);
    pruefe(dauer >= -32768 && dauer <= 32767);
    const int schritt = leseEnergieSchritt(ort.ini);
    pruefe(schritt == energieSchrittAusText(text));
    // ohne Schlüssel ohne Grenze, sonst mindestens 5 Minuten: höchstens 15
    pruefe(schritt >= 0 && schritt <= 15);
    // was das Rahmenprogramm im Abschnitt findet, finden die Spiele bis zum Dateiende auch
    if (dauer != 0)
        pruefe(schritt != 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static Ort ort;
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const auto schreibeEingabe = [&] {
        QFile f(ort.ini);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            std::abort();
    };
    schreibeEingabe();
    const bool kommafrei = !dateiText(bytes).contains(u',');
    const auto nichts = [](auto&) {};
    switch (groesse % 6) {
    case 0:
        rundgang(
            varkuAbschnitt(), ort.ini, kommafrei, {QStringLiteral("Schwierigkeitsgrad")},
            [](const auto& a, const auto& b, bool g) { return gleich(a, b, g); },
            [](VarkuEinstellungen& e) {
                pruefe(e.Schwierigkeitsgrad >= 0 && e.Schwierigkeitsgrad <= 2);
            });
        break;
    case 1:
        rundgang(
            sprachAbschnitt(), ort.ini, kommafrei,
            {QStringLiteral("Modus"), QStringLiteral("Lautstärke"),
             QStringLiteral("Geschwindigkeit"), QStringLiteral("Stimmlage")},
            [](const auto& a, const auto& b, bool g) { return gleich(a, b, g); },
            // wie das Programm: was fehlt, ergänzt die Sprachausgabe vor dem Schreiben
            [](SprachEinstellungen& e) { ergaenzeSprachStandard(e, 100, 175, 50); });
        break;
    case 2:
        rundgang(
            druckerAbschnitt(), ort.ini, kommafrei, {},
            [](const auto& a, const auto& b, bool g) {
                pruefeBereiche(a);
                pruefeBereiche(b);
                return gleich(a, b, g);
            },
            nichts);
        break;
    case 3: {
        // die Abschnitte der Spiele, jeder aus derselben Eingabe
        const auto spiel = [&](const auto& abschnitt) {
            schreibeEingabe();
            rundgang(
                abschnitt, ort.ini, kommafrei, {},
                [](const auto& x, const auto& y, bool g) {
                    pruefeBereiche(x);
                    pruefeBereiche(y);
                    return gleich(x, y, g);
                },
                nichts);
        };
        spiel(zirkomat::zirkomatAbschnitt());
        spiel(dolmix::dolmixAbschnitt());
        spiel(wendomar::wendomarAbschnitt());
        spiel(zelko::zelkoAbschnitt());
        spiel(kartomin::kartominAbschnitt());
        break;
    }
    case 4:
        pruefeKlaenge(ort);
        break;
    default:
        pruefeSpiele(ort, bytes);
        break;
    }
    return 0;
}
