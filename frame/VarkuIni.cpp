#include "frame/VarkuIni.h"

namespace varku {

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
            ganzzahl("Modus", &E::Modus, INT16_MIN, INT16_MAX),
            ganzzahl("Lautstärke", &E::Lautstaerke, INT32_MIN, INT32_MAX),
            ganzzahl("Geschwindigkeit", &E::Geschwindigkeit, INT16_MIN, INT16_MAX),
            ganzzahl("Stimmlage", &E::Stimmlage, INT16_MIN, INT16_MAX),
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

} // namespace varku
