#include "frame/VarkuIni.h"

#include "foundation/Global.h"
#include "foundation/IniAbschnitt.h"
#include "foundation/Zahlenwert.h"
#include "frame/GlobModul.h"

#include <functional>
#include <vector>

namespace varku {

namespace {

// Ein Schlüssel mit seiner Art, den Wert zu lesen und zu schreiben
struct Schluessel {
    QString name;
    std::function<void(const QString&)> lies;
    std::function<QString()> schreibe;
};

// "an, außer der Wert ist 0" und "an nur bei 1"
Schluessel schalterAusserNull(const char* name, bool& ziel) {
    return {QString::fromUtf8(name), [&ziel](const QString& w) { ziel = w != u"0"; },
            [&ziel] { return iniSchalter(ziel); }};
}
Schluessel schalterNurEins(const char* name, bool& ziel) {
    return {QString::fromUtf8(name), [&ziel](const QString& w) { ziel = w == u"1"; },
            [&ziel] { return iniSchalter(ziel); }};
}
Schluessel ganzzahl(const char* name, int16_t& ziel) {
    const QString n = QString::fromUtf8(name);
    return {n, [&ziel, n](const QString& w) { ziel = alsInteger(zahlenwert(w), n + "=" + w); },
            [&ziel] { return iniGanzzahl(ziel); }};
}

const std::vector<Schluessel>& varkuSchluessel() {
    static const std::vector<Schluessel> t = {
        {QStringLiteral("TextFontName"), [](const QString& w) { TextFontName = w; },
         [] { return TextFontName; }},
        {QStringLiteral("TextFontGröße"), [](const QString& w) { TextFontGroesse = zahlenwert(w); },
         [] { return iniZahl(TextFontGroesse); }},
        schalterAusserNull("TextFontFett", TextFontFett),
        schalterAusserNull("TextFontKursiv", TextFontKursiv),
        schalterNurEins("Nachschreiben", Nachschreiben),
        schalterAusserNull("LeseLupe", LeseLupe),
        ganzzahl("Schwierigkeitsgrad", Schwierigkeitsgrad),
        schalterAusserNull("TonEinschalten", TonEinschalten),
        schalterAusserNull("EinstellungenSpeichern", EinstellungenSpeichern),
        schalterAusserNull("BeispielSatz", BeispielSatz),
        schalterAusserNull("TextToSpeech", TextToSpeech),
        schalterAusserNull("SprachAusgabeSatz", SprachAusgabeSatz),
        schalterAusserNull("AutoDialog", AutoDialog),
    };
    return t;
}

const std::vector<Schluessel>& sprachSchluessel() {
    static const std::vector<Schluessel> t = {
        ganzzahl("Modus", Modus),
        {QStringLiteral("Lautstärke"),
         [](const QString& w) { Lautstaerke = alsLong(zahlenwert(w), "Lautstärke=" + w); },
         [] { return iniGanzzahl(Lautstaerke); }},
        ganzzahl("Geschwindigkeit", Geschwindigkeit),
        ganzzahl("Stimmlage", Stimmlage),
        schalterNurEins("TranskripteWörter", TranskripteWoerter),
        schalterNurEins("TranskripteSätze", TranskripteSaetze),
    };
    return t;
}

void lies(const QString& abschnitt, const std::vector<Schluessel>& tabelle) {
    QStringList namen;
    for (const Schluessel& s : tabelle)
        namen << s.name;
    leseAbschnitt(imProgrammordner(QStringLiteral("Varku.ini")), abschnitt, namen,
                  [&](int i, const QString& wert) { tabelle[size_t(i)].lies(wert); });
}

void schreibe(const QString& abschnitt, const std::vector<Schluessel>& tabelle) {
    Schluesselzeilen zeilen;
    for (const Schluessel& s : tabelle)
        zeilen.emplace_back(s.name, s.schreibe());
    schreibeAbschnitt(imProgrammordner(QStringLiteral("Varku.ini")), AbschnittsFormat{abschnitt},
                      zeilen);
}

} // namespace

void loadVarkuIni() {
    lies(QStringLiteral("Varku"), varkuSchluessel());
}
void saveVarkuIni() {
    schreibe(QStringLiteral("Varku"), varkuSchluessel());
}
void loadTextToSpeechIni() {
    lies(QStringLiteral("TextToSpeech"), sprachSchluessel());
}
void saveTextToSpeechIni() {
    schreibe(QStringLiteral("TextToSpeech"), sprachSchluessel());
}

} // namespace varku
