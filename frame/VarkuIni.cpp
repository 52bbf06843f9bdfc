#include "frame/VarkuIni.h"

#include <algorithm>

namespace varku {

namespace {

// merkt sich, dass der Schlüssel in der Datei stand
template <typename S> Schluessel<S> gemerkt(Schluessel<S> k, bool S::*gelesen) {
    k.lies = [lies = std::move(k.lies), gelesen](S& s, const QString& wert) {
        lies(s, wert);
        s.*gelesen = true;
    };
    return k;
}

} // namespace

const Einstellungsabschnitt<VarkuEinstellungen>& varkuAbschnitt() {
    using E = VarkuEinstellungen;
    static const Einstellungsabschnitt<E> a{
        AbschnittsFormat{QStringLiteral("Varku")},
        {
            text("TextFontName", &E::TextFontName),
            kommazahl("TextFontGröße", &E::TextFontGroesse),
            schalterAusserNull("TextFontFett", &E::TextFontFett),
            schalterAusserNull("TextFontKursiv", &E::TextFontKursiv),
            schalterNurEins("Nachschreiben", &E::Nachschreiben),
            schalterAusserNull("LeseLupe", &E::LeseLupe),
            // ein anderer Grad gäbe negative Punkte
            ganzzahl("Schwierigkeitsgrad", &E::Schwierigkeitsgrad, 0, 2),
            schalterAusserNull("TonEinschalten", &E::TonEinschalten),
            schalterAusserNull("EinstellungenSpeichern", &E::EinstellungenSpeichern),
            schalterAusserNull("BeispielSatz", &E::BeispielSatz),
            schalterAusserNull("TextToSpeech", &E::TextToSpeech),
            schalterAusserNull("SprachAusgabeSatz", &E::SprachAusgabeSatz),
            schalterAusserNull("AutoDialog", &E::AutoDialog),
        }};
    return a;
}

const Einstellungsabschnitt<SprachEinstellungen>& sprachAbschnitt() {
    using E = SprachEinstellungen;
    static const Einstellungsabschnitt<E> a{
        AbschnittsFormat{QStringLiteral("TextToSpeech")},
        {
            gemerkt(ganzzahl("Modus", &E::Modus, INT16_MIN, INT16_MAX), &E::ModusGelesen),
            gemerkt(ganzzahl("Lautstärke", &E::Lautstaerke, INT32_MIN, INT32_MAX),
                    &E::LautstaerkeGelesen),
            gemerkt(ganzzahl("Geschwindigkeit", &E::Geschwindigkeit, INT16_MIN, INT16_MAX),
                    &E::GeschwindigkeitGelesen),
            gemerkt(ganzzahl("Stimmlage", &E::Stimmlage, INT16_MIN, INT16_MAX),
                    &E::StimmlageGelesen),
            schalterNurEins("TranskripteWörter", &E::TranskripteWoerter),
            schalterNurEins("TranskripteSätze", &E::TranskripteSaetze),
        }};
    return a;
}

void loadVarkuIni(const QString& iniDatei, VarkuEinstellungen& e) {
    varkuAbschnitt().lies(iniDatei, e);
}
void saveVarkuIni(const QString& iniDatei, const VarkuEinstellungen& e) {
    varkuAbschnitt().schreibe(iniDatei, e);
}
void loadTextToSpeechIni(const QString& iniDatei, SprachEinstellungen& e) {
    sprachAbschnitt().lies(iniDatei, e);
}
void saveTextToSpeechIni(const QString& iniDatei, const SprachEinstellungen& e) {
    sprachAbschnitt().schreibe(iniDatei, e);
}

void ergaenzeSprachStandard(SprachEinstellungen& e, long lautstaerke, int geschwindigkeit,
                            int stimmlage) {
    if (!e.ModusGelesen)
        e.Modus = 1;
    if (!e.LautstaerkeGelesen)
        e.Lautstaerke = int32_t(std::clamp<long>(lautstaerke, INT32_MIN, INT32_MAX));
    if (!e.GeschwindigkeitGelesen)
        e.Geschwindigkeit = int16_t(std::clamp(geschwindigkeit, INT16_MIN, INT16_MAX));
    if (!e.StimmlageGelesen)
        e.Stimmlage = int16_t(std::clamp(stimmlage, INT16_MIN, INT16_MAX));
    e.ModusGelesen = e.LautstaerkeGelesen = e.GeschwindigkeitGelesen = e.StimmlageGelesen = true;
}

} // namespace varku
