#include "frame/Wortwahl.h"

#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "foundation/Routinen.h"
#include "foundation/Zahlenwert.h"
#include "frame/GlobModul.h"
#include "frame/Spieler.h"
#include "frame/rdbManager.h"
#include "platform/Laufzeitfehler.h"

namespace varku {

bool letzteWahlWiederholung = false;
bool fehlerBeiWort = false;
int wortPosition = 0;

namespace {

int16_t& anzahl(int p) {
    return WiederholListe[0][0][p];
}

// Felder des aktuellen Datensatzes lesen; ein Null-Feld lässt den Wert, wie er war
void lies(const char* feld, QString& ziel, bool getrimmt = false) {
    const db::Wert w = rdb.feld(QString::fromLatin1(feld));
    if (!w.istNull())
        ziel = getrimmt ? trimme(w.alsText()) : w.alsText();
}

void zeigeKeineAufnahme() {
    Meldungstext =
        QStringLiteral("Für das ausgewählte Übungswort liegt\rkeine Sprachaufnahme vor.");
    zeigeMeldung(Meldungstext, QStringLiteral("&OK"), QString(), QStringLiteral("Fehler"));
}

} // namespace

void setzeWortwahlZurueck() {
    letzteWahlWiederholung = false;
    fehlerBeiWort = false;
    wortPosition = 0;
}

int sucheFehlerwort(int position) {
    const int p = aktSpieler;
    for (int i = 1; i <= anzahl(p); ++i)
        if (WiederholListe[i][0][p] == position)
            return i;
    return -1;
}

void merkeFehlerwort() {
    const int p = aktSpieler;
    const int i = sucheFehlerwort(wortPosition);
    if (i > 0) {
        WiederholListe[i][1][p] = 0;
        return;
    }
    // eine volle Liste nimmt kein neues Wort
    if (anzahl(p) < maxWiederhol) {
        const int n = anzahl(p) + 1;
        WiederholListe[n][0][p] = int16_t(wortPosition);
        WiederholListe[n][1][p] = 0;
        anzahl(p) = int16_t(n);
    }
}

void loescheFehlerwort(int index) {
    const int p = aktSpieler;
    const int n = anzahl(p);
    if (index < 1 || index > n)
        return;
    for (int j = index + 1; j <= n; ++j) {
        WiederholListe[j - 1][0][p] = WiederholListe[j][0][p];
        WiederholListe[j - 1][1][p] = WiederholListe[j][1][p];
    }
    WiederholListe[n][0][p] = -1;
    WiederholListe[n][1][p] = 0;
    anzahl(p) = int16_t(n - 1);
}

void zaehleRichtigenVersuch() {
    const int i = sucheFehlerwort(wortPosition);
    if (i <= 0)
        return;
    if (++WiederholListe[i][1][aktSpieler] >= 3)
        loescheFehlerwort(i);
}

bool istWortErledigt(int position, int spieler) {
    for (const auto& [pos, sp] : ErledigtListe)
        if (pos == position && sp == spieler)
            return true;
    return false;
}

void merkeWortErledigt() {
    ErledigtListe.emplace_back(wortPosition, aktSpieler);
    ErledigtAnz = int(ErledigtListe.size());
}

void naechstesWort() {
    if (AnzahlWoerter <= 0)
        throw Laufzeitfehler(Laufzeitfehler::IndexAusserhalb,
                             QStringLiteral("Der Übungsschwerpunkt enthält keine Wörter"),
                             RuvoFeldName);
    const int p = aktSpieler;
    fehlerBeiWort = false;
    bool ausListe = false;
    int position = 0;

    if (anzahl(p) > 0) {
        const int r = zufallszahl(1, 100);
        if (r > 70) {
            if (!letzteWahlWiederholung) {
                const int k = zufallszahl(1, anzahl(p));
                position = WiederholListe[k][0][p];
                ausListe = true;
                letzteWahlWiederholung = true;
            } else {
                letzteWahlWiederholung = false;
            }
        }
    }

    if (!ausListe) {
        position = zufallszahl(1, AnzahlWoerter);
        if (AnzahlWoerter > SpielerStatistik[size_t(p)].richtig) {
            // höchstens eine Runde: sind alle erledigt, bleibt es beim gezogenen Wort
            const int gezogen = position;
            for (int schritt = 0; schritt < AnzahlWoerter && istWortErledigt(position, p);
                 ++schritt)
                position = position % AnzahlWoerter + 1;
            if (istWortErledigt(position, p))
                position = gezogen;
        }
    }
    // ein Eintrag der Liste kann nach einem Filterwechsel außerhalb liegen
    if (position < 1 || position > AnzahlWoerter)
        position = zufallszahl(1, AnzahlWoerter);

    positioniereWort(position);
    wortPosition = position;

    Kontext.clear();
    WaveDat.clear();
    lies("Wort", Wort);
    lies("Kontext", Kontext);
    if (BeispielSatz)
        bildeSatzKontext(false);
    if (!Nachschreiben && !TextToSpeech) {
        const db::Wert w = rdb.feld(QStringLiteral("WaveDat"));
        if (w.istNull())
            zeigeKeineAufnahme();
        else
            WaveDat = trimme(w.alsText());
    }
    if (!Nachschreiben && TextToSpeech && (TranskripteWoerter || TranskripteSaetze))
        ladeTranskripte();
    KomplexInd = alsInteger(double(rdb.feld(QStringLiteral("KomplexInd")).alsGanzzahl()),
                            QStringLiteral("KomplexInd"));
    vonPos = 0;
    bisPos = 0;
    if (sucheLupenStelle()) {
        vonPos = int(ruv.feld(QStringLiteral("vonPos")).alsGanzzahl());
        bisPos = int(ruv.feld(QStringLiteral("bisPos")).alsGanzzahl());
    }
    int16_t& woerter = SpielerStatistik[size_t(p)].woerter;
    woerter = alsInteger(double(woerter) + 1, QStringLiteral("Wörter"));
}

} // namespace varku
