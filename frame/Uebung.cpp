#include "frame/Uebung.h"

#include "foundation/Global.h"
#include "foundation/Routinen.h"
#include "foundation/Spielzeit.h"
#include "foundation/Texte.h"
#include "foundation/Zahlenwert.h"
#include "frame/Punkte.h"
#include "platform/Laufzeitfehler.h"

namespace varku {

Uebung::Uebung(GlobModul& g) : glob(g) {}

Uebung::~Uebung() {
    try {
        protokoll.schliesse();
        gruppe.loescheAlleProtokolle();
    } catch (const Laufzeitfehler&) {
        // eine Datei, die sich nicht löschen lässt, hält das Ende nicht auf
    }
}

void Uebung::lade(const QDateTime& jetzt) {
    sitzungsBeginn = jetzt;
    Zielpunkte = 1000;
    SitzungsPunkte = 0;
    gruppe.setzeUserPfad(glob.UserPfad);
    loadVarkuIni(GlobModul::iniDatei(), glob.einst);
    loadTextToSpeechIni(GlobModul::iniDatei(), glob.sprache);
    UebNr = -1;
}

void Uebung::setzeRuvoCodes(const QStringList& codes) {
    for (int i = 0; i < maxKategorien; ++i)
        RuvoCodes[size_t(i)] = codes.value(i);
}

void Uebung::waehleSchwerpunkt(int nummer) {
    // eine Seite ohne Wahl: OK fragt nach, RuvoFeldName bleibt
    if (nummer < 0 || nummer >= maxKategorien) {
        UebNr = 0;
        return;
    }
    UebNr = nummer + 1;
    RuvoFeldName = RuvoCodes[size_t(nummer)];
}

int Uebung::nimmSchwerpunktAn(bool nurGrundwortschatz) {
    uebungGewaehlt = true;
    nurGws = nurGrundwortschatz;
    const int anzahl = wortDb.setzeWortFilter(RuvoFeldName, nurGws);
    for (int p = 0; p < nSpieler(); ++p)
        gruppe.leereWiederholListe(p);
    return anzahl;
}

bool Uebung::entferneSpieler(int i) {
    // Die offene Datei zuerst schließen, sonst schriebe der Rahmen in eine gelöschte Datei.
    if (i == aktSpieler)
        schliesseProtokoll();
    return gruppe.entferne(i);
}

int Uebung::sucheFehlerwort(int position) const {
    const int p = aktSpieler;
    for (int i = 1; i <= gruppe.wiederholAnzahl(p); ++i)
        if (gruppe.WiederholListe[i][0][p] == position)
            return i;
    return -1;
}

void Uebung::merkeFehlerwort() {
    const int p = aktSpieler;
    const int i = sucheFehlerwort(wortPosition);
    if (i > 0) {
        gruppe.WiederholListe[i][1][p] = 0;
        return;
    }
    // eine volle Liste nimmt kein neues Wort
    const int n = gruppe.wiederholAnzahl(p);
    if (n < maxWiederhol) {
        gruppe.WiederholListe[n + 1][0][p] = int16_t(wortPosition);
        gruppe.WiederholListe[n + 1][1][p] = 0;
        gruppe.WiederholListe[0][0][p] = int16_t(n + 1);
    }
}

void Uebung::loescheFehlerwort(int index) {
    const int p = aktSpieler;
    const int n = gruppe.wiederholAnzahl(p);
    if (index < 1 || index > n)
        return;
    auto& l = gruppe.WiederholListe;
    for (int j = index + 1; j <= n; ++j) {
        l[j - 1][0][p] = l[j][0][p];
        l[j - 1][1][p] = l[j][1][p];
    }
    l[n][0][p] = -1;
    l[n][1][p] = 0;
    l[0][0][p] = int16_t(n - 1);
}

void Uebung::zaehleRichtigenVersuch() {
    const int i = sucheFehlerwort(wortPosition);
    if (i <= 0)
        return;
    if (++gruppe.WiederholListe[i][1][aktSpieler] >= 3)
        loescheFehlerwort(i);
}

bool Uebung::istWortErledigt(int position, int spieler) const {
    for (const auto& [pos, sp] : gruppe.ErledigtListe)
        if (pos == position && sp == spieler)
            return true;
    return false;
}

void Uebung::merkeWortErledigt() {
    gruppe.ErledigtListe.emplace_back(wortPosition, aktSpieler);
}

Uebung::Wortwahl Uebung::naechstesWort() {
    const int anzahl = AnzahlWoerter();
    if (anzahl <= 0)
        throw Laufzeitfehler(Laufzeitfehler::IndexAusserhalb,
                             QStringLiteral("Der Übungsschwerpunkt enthält keine Wörter"),
                             RuvoFeldName);
    const int p = aktSpieler;
    fehlerBeiWort = false;
    bool ausListe = false;
    int position = 0;

    const int n = gruppe.wiederholAnzahl(p);
    if (n > 0 && zufallszahl(1, 100) > 70) {
        if (!letzteWahlWiederholung) {
            position = gruppe.WiederholListe[zufallszahl(1, n)][0][p];
            ausListe = true;
            letzteWahlWiederholung = true;
        } else {
            letzteWahlWiederholung = false;
        }
    }
    if (!ausListe) {
        position = zufallszahl(1, anzahl);
        if (anzahl > gruppe.SpielerStatistik[size_t(p)].richtig) {
            // höchstens eine Runde: sind alle erledigt, bleibt es beim gezogenen Wort
            const int gezogen = position;
            for (int schritt = 0; schritt < anzahl && istWortErledigt(position, p); ++schritt)
                position = position % anzahl + 1;
            if (istWortErledigt(position, p))
                position = gezogen;
        }
    }
    // ein Eintrag der Liste kann nach einem Filterwechsel außerhalb liegen
    if (position < 1 || position > anzahl)
        position = zufallszahl(1, anzahl);

    wortDb.positioniereWort(position);
    wortPosition = position;

    const VarkuEinstellungen& e = glob.einst;
    const SprachEinstellungen& s = glob.sprache;
    Wortwahl wahl;
    wahl.gewaehlt = true;
    wortDb.ladeWort(false);
    if (e.BeispielSatz)
        wortDb.bildeSatzKontext(false);
    if (!e.Nachschreiben && !e.TextToSpeech)
        wahl.keineAufnahme = !wortDb.ladeAufnahme();
    if (!e.Nachschreiben && e.TextToSpeech && (s.TranskripteWoerter || s.TranskripteSaetze))
        wortDb.ladeTranskripte(s.TranskripteWoerter, s.TranskripteSaetze);
    wortDb.sucheLupenStelle(UebNr);
    int16_t& woerter = gruppe.SpielerStatistik[size_t(p)].woerter;
    woerter = alsInteger(double(woerter) + 1, QStringLiteral("Wörter"));
    return wahl;
}

Uebung::Beginn Uebung::beginneUebung() {
    Beginn b;
    // Eine leere Kategorie bietet nichts zu wählen.
    if (AnzahlWoerter() <= 0) {
        b.keineWoerter = true;
        return b;
    }
    if (aktSpieler < 0 || aktSpieler >= nSpieler())
        aktSpieler = 0;
    oeffneProtokoll();
    b.wahl = naechstesWort();
    schreibenBegonnen = false;
    lesezeitAktiv = false;
    return b;
}

void Uebung::zeigen(long jetzt) {
    lesezeitAktiv = true;
    leseStart = jetzt;
}

QString Uebung::diktieren() {
    lesezeitAktiv = false;
    const VarkuEinstellungen& e = glob.einst;
    const SprachEinstellungen& s = glob.sprache;
    if (!e.TextToSpeech)
        return {};
    const QString& w =
        (s.TranskripteWoerter && !wortDb.WortTranskr.isEmpty()) ? wortDb.WortTranskr : wortDb.Wort;
    const QString wort = wortDb.Kontext + QLatin1Char(' ') + w;
    if (!e.SprachAusgabeSatz)
        return wort;
    QString satz;
    if (s.TranskripteSaetze && !wortDb.SatzTranskr.isEmpty()) {
        satz = wortDb.SatzTranskr;
    } else {
        wortDb.bildeSatzKontext(true);
        satz = wortDb.Beispielsatz;
        wortDb.bildeSatzKontext(false);
    }
    return satz + QStringLiteral("\\Pau=500\\") + wort + QLatin1Char('.');
}

bool Uebung::ersteTaste(long jetzt) {
    if (schreibenBegonnen)
        return false;
    schreibenBegonnen = true;
    leseEnde = jetzt;
    return true;
}

Uebung::Wortende Uebung::wortende(const QString& eingabe) {
    Wortende e;
    e.eingabe = bereinigeEingabe(eingabe);
    Statistik& st = gruppe.SpielerStatistik[size_t(aktSpieler)];
    if (lesezeitAktiv) {
        const long t = sekundenZwischen(leseStart, leseEnde);
        const int j = zufallszahl(1, 50);
        const int s = zufallszahl(1, 10);
        e.lesezeitGemessen = true;
        e.lesezeit = lesezeitMitStreuung(t, j, s);
        st.lesezeitSumme =
            alsLong(double(st.lesezeitSumme) + e.lesezeit, QStringLiteral("Lesezeit"));
        e.lesezeitSchnitt = st.lesezeitSchnitt();
    }
    const long refNr = wortDb.refNr();
    e.richtig = trimme(e.eingabe) == wortDb.Wort;
    schreibenBegonnen = false;
    if (!e.richtig) {
        if (wortDb.hatLupe())
            e.lupenFehler = !e.eingabe.contains(
                wortDb.Wort.mid(wortDb.vonPos - 1, wortDb.bisPos - wortDb.vonPos + 1));
        protokoll.schreibe(refNr, false, e.eingabe);
        merkeFehlerwort();
        fehlerBeiWort = true;
        return e;
    }

    zaehleRichtigenVersuch();
    protokoll.schreibe(refNr, true, e.eingabe);
    merkeWortErledigt();
    if (!fehlerBeiWort) {
        e.ersterVersuch = true;
        st.richtig = alsInteger(double(st.richtig) + 1, QStringLiteral("richtig"));
    }
    e.richtigeWoerter = st.richtig;
    const VarkuEinstellungen& ein = glob.einst;
    e.punkte = berechnePunkte(ein.Nachschreiben, leseStart, leseEnde, wortDb.KomplexInd,
                              ein.Schwierigkeitsgrad);
    SitzungsPunkte = alsInteger(double(SitzungsPunkte) + e.punkte, QStringLiteral("Punkte"));
    if (SitzungsPunkte > 1000)
        SitzungsPunkte = 1000;
    e.glueckwunsch = SitzungsPunkte >= 1000;
    if (uebergabeFaellig(SitzungsPunkte, Zielpunkte, nSpieler(), aktSpieler)) {
        e.uebergabe = true;
        e.abgebender = spielerName();
        spielerWechsel();
        e.neuerSpieler = statistik();
    }
    e.naechstes = naechstesWort();
    return e;
}

void Uebung::loeschen() {
    schreibenBegonnen = false;
}

void Uebung::spielerWechsel() {
    ++aktSpieler;
    if (aktSpieler > nSpieler() - 1)
        aktSpieler = 0;
    oeffneProtokoll();
}

void Uebung::oeffneProtokoll() {
    protokoll.oeffne(gruppe.protokollPfad(aktSpieler));
}

void Uebung::schliesseProtokoll() {
    protokoll.schliesse();
}

bool Uebung::neueRunde(long jetzt, int maxSpielDauer) {
    if (SitzungsPunkte == 0 && !spielLief)
        return false;
    spielLief = false;
    SitzungsPunkte = restPunkte(spielStartZeit, jetzt, maxSpielDauer);
    Zielpunkte = 1000 - SitzungsPunkte;
    // die Runde beginnt wieder bei Spieler 0
    if (nSpieler() >= 1) {
        aktSpieler = nSpieler();
        spielerWechsel();
        oeffneProtokoll();
    }
    schreibenBegonnen = false;
    lesezeitAktiv = false;
    return true;
}

Startparameter Uebung::startParameter(bool lupe) const {
    Startparameter p;
    p.RuvoFeldName = RuvoFeldName;
    p.LupenFlag = lupe ? QStringLiteral("1") : QStringLiteral("0");
    p.GwsFlag = nurGws;
    p.SpielerName = gruppe.namen();
    for (int i = 0; i < nSpieler(); ++i)
        p.SpielerDatei << gruppe.SpielerDatei[size_t(i)];
    return p;
}

Uebung::VorDemSpiel Uebung::starteSpiel(long jetzt) {
    const VorDemSpiel vorher{SitzungsPunkte, spielStartZeit};
    lesezeitAktiv = false;
    SitzungsPunkte = 0;
    schliesseProtokoll();
    spielStartZeit = jetzt;
    spielLief = true;
    return vorher;
}

void Uebung::spielNichtGestartet(const VorDemSpiel& vorher) {
    SitzungsPunkte = vorher.punkte;
    spielStartZeit = vorher.startZeit;
    spielLief = false;
    if (nSpieler() >= 1)
        oeffneProtokoll();
}

} // namespace varku
