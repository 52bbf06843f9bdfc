#include "frame/GlobModul.h"

#include "foundation/Global.h"
#include "foundation/HilfeKontext.h"

namespace varku {

QString UserPfad;
QString SprachPfad;
bool uebungGewaehlt = false;
int ErledigtAnz = 0;
QDateTime sitzungsBeginn;
int nSpieler = 0;
int SitzungsPunkte = 0;
int protokollDateiNr = 0;

QString TextFontName;
double TextFontGroesse = 0;
bool TextFontFett = false;
bool TextFontKursiv = false;
bool Nachschreiben = false;
bool LeseLupe = false;
int16_t Schwierigkeitsgrad = 0;
bool TonEinschalten = false;
bool EinstellungenSpeichern = false;
bool BeispielSatz = false;
bool TextToSpeech = false;
bool SprachAusgabeSatz = false;
bool AutoDialog = false;

int16_t Modus = 0;
int32_t Lautstaerke = 0;
int16_t Geschwindigkeit = 0;
int16_t Stimmlage = 0;
bool TranskripteWoerter = false;
bool TranskripteSaetze = false;

bool varkuIniGeaendert = false;
bool sprachIniGeaendert = false;

void setzeStartwerte() {
    UserPfad.clear();
    SprachPfad.clear();
    uebungGewaehlt = false;
    ErledigtAnz = 0;
    sitzungsBeginn = QDateTime();
    nSpieler = 0;
    SitzungsPunkte = 0;
    protokollDateiNr = 0;
    TextFontName.clear();
    TextFontGroesse = 0;
    TextFontFett = TextFontKursiv = Nachschreiben = LeseLupe = false;
    Schwierigkeitsgrad = 0;
    TonEinschalten = EinstellungenSpeichern = BeispielSatz = false;
    TextToSpeech = SprachAusgabeSatz = AutoDialog = false;
    Modus = 0;
    Lautstaerke = 0;
    Geschwindigkeit = 0;
    Stimmlage = 0;
    TranskripteWoerter = TranskripteSaetze = false;
    varkuIniGeaendert = sprachIniGeaendert = false;
    UebNr = -1;
    HilfeKontext = 0;
}

} // namespace varku
