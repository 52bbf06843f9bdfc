#include "foundation/Sound.h"

#include "foundation/Dateisuche.h"
#include "foundation/Global.h"
#include "foundation/IniAbschnitt.h"
#include "platform/Dienste.h"
#include "platform/Laufzeitfehler.h"

namespace varku {

std::array<SoundEintrag, 15> SoundTabelle;

namespace {

const QString stille = QStringLiteral("<NULL>");

std::function<bool()>& tonSchalter() {
    static std::function<bool()> s;
    return s;
}

QString soundPfad(const QString& datei) {
    return findeDatei(imProgrammordner(QStringLiteral("Sound")), datei + QStringLiteral(".WAV"));
}

struct OhneTon {
    std::function<void()> hinweis;
    bool gesagt = false;
};

OhneTon& ohneTon() {
    static OhneTon o;
    return o;
}

using Tabelle = std::array<SoundEintrag, 15>;

Tabelle leereTabelle() {
    static const char* const namen[15] = {
        "ProgrammStart", "ProgrammEnde",      "ProgrammMeldung", "Gratulation1",   "Gratulation2",
        "Achtung",       "AllgemeinerFehler", "LeichterFehler",  "SchwererFehler", "Annahme1",
        "Annahme2",      "Glückstreffer",     "BewegungStart",   "BewegungStop",   "BewegungEnde"};
    Tabelle t;
    for (size_t i = 0; i < t.size(); ++i)
        t[i] = {QString::fromUtf8(namen[i]), stille};
    return t;
}

// die Tabelle mit [Sound] aus ProgPfad/Varku.ini
Tabelle leseTabelle() {
    Tabelle t = leereTabelle();
    QStringList namen;
    for (const SoundEintrag& e : t)
        namen << e.name;
    leseAbschnitt(imProgrammordner(QStringLiteral("Varku.ini")), QStringLiteral("Sound"), namen,
                  [&t](int i, const QString& wert) { t[size_t(i)].datei = wert; });
    return t;
}

// jede Datei einmal, auch wenn mehrere Ereignisse sie nennen
QStringList klangDateien(const Tabelle& t) {
    QStringList dateien;
    for (const SoundEintrag& e : t) {
        if (e.datei == stille)
            continue;
        const QString pfad = soundPfad(e.datei);
        if (!dateien.contains(pfad))
            dateien << pfad;
    }
    return dateien;
}

} // namespace

void initSoundTabelle() {
    SoundTabelle = leereTabelle();
}

void ladeSoundIni() {
    SoundTabelle = leseTabelle();
    dienste::sound().lade(klangDateien(SoundTabelle));
}

void ladeKlaengeVorab() {
    try {
        dienste::sound().lade(klangDateien(leseTabelle()));
    } catch (const Laufzeitfehler&) {
        // eine fehlende Einstellungsdatei meldet das Laden
    }
}

void setzeTonSchalter(std::function<bool()> tonEin) {
    tonSchalter() = std::move(tonEin);
}

void spieleSound(const QString& name) {
    const auto& ein = tonSchalter();
    if (!ein || !ein())
        return;
    for (const SoundEintrag& e : SoundTabelle)
        if (e.name == name) {
            if (e.datei != stille)
                spieleWav(e.datei);
            return;
        }
}

void spieleWav(const QString& datei) {
    dienste::sound().spiele(soundPfad(datei));
}

void spieleWavWarten(const QString& datei) {
    dienste::sound().spieleUndWarte(soundPfad(datei));
}

void schliesseSound() {
    dienste::sound().schliesse();
}

void setzeOhneTonHinweis(std::function<void()> hinweis) {
    ohneTon() = {std::move(hinweis), false};
    // Klanggerät und Sprachausgabe melden jeden stummen Versuch; gesagt wird es einmal
    setzeOhneTonMelder([] {
        OhneTon& o = ohneTon();
        if (o.gesagt || !o.hinweis)
            return;
        // vor dem Zeigen vermerkt: während der Hinweis offen ist, kann wieder etwas stumm bleiben
        o.gesagt = true;
        const std::function<void()> hinweis = o.hinweis;
        hinweis();
    });
}

} // namespace varku
