// Die Übung eines Wortes: zeigen oder diktieren, schreiben, prüfen, Punkte und Spielerwechsel.
#include "foundation/Dateisuche.h"
#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "foundation/Twips.h"
#include "foundation/Zahlenwert.h"
#include "frame/Anzeigeelemente.h"
#include "frame/Anzeigeregeln.h"
#include "frame/FehlerMldFrm.h"
#include "frame/GlobModul.h"
#include "frame/Protokoll.h"
#include "frame/Punkte.h"
#include "frame/Spieler.h"
#include "frame/SpielerListeFrm.h"
#include "frame/VarkuForm.h"
#include "frame/Wortwahl.h"
#include "frame/rdbManager.h"
#include "platform/Dienste.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace varku {

namespace {

constexpr int tasteEnter = 13;

} // namespace

QString VarkuForm::holeVorname(int spieler) const {
    const QString name = holeSpielerName(spieler);
    const qsizetype blank = name.indexOf(u' ');
    return blank < 0 ? name : name.left(blank);
}

void VarkuForm::zeigeSpielerZaehler() {
    const Statistik& s = SpielerStatistik[size_t(aktSpieler)];
    zeigeZaehler(0, formatiereAnzahl(s.woerter));
    zeigeZaehler(1, formatiereAnzahl(s.richtig));
    zeigeZaehler(2, formatiereZeit(0));
    const double schnitt = s.lesezeitSumme < 1 ? 0.0 : double(s.lesezeitSumme) / s.woerter;
    zeigeZaehler(3, formatiereZeit(s.woerter > 0 ? schnitt : 0.0));
}

void VarkuForm::zeigenTaste_Click() {
    LesenFrame->setTitle(QStringLiteral("lesen"));
    if (mnuUebung->isEnabled())
        mnuUebung->setEnabled(false);
    mnuEinstellungen->setEnabled(false);
    lesezeitAktiv = true;
    SwitchLampe(1, 2);
    SwitchLampe(2, 2);
    zeigeWort();
    setzeLupe(true);
    zeigeZaehler(0, formatiereAnzahl(SpielerStatistik[size_t(aktSpieler)].woerter));
    leseStart = sekundenJetzt();
    zeigenTaste->setEnabled(false);
    bereiteSchreibfeld();
    SchreibenKontLabel->setText(Kontext);
    SchreibenTextfeld->clear();
    SchreibenTextfeld->setEnabled(true);
    SchreibenTextfeld->setReadOnly(false);
    SchreibenTextfeld->setFocus();
    if (BeispielSatz) {
        zeigeBeispielSatz();
        SwitchLampe(0, 2);
    }
}

void VarkuForm::diktierTaste_Click() {
    if (mnuUebung->isEnabled())
        mnuUebung->setEnabled(false);
    LesenFrame->setTitle(QStringLiteral("hören"));
    lesezeitAktiv = false;
    SwitchLampe(1, 2);
    SwitchLampe(2, 2);
    if (BeispielSatz) {
        zeigeBeispielSatz();
        SwitchLampe(0, 2);
    }
    if (!schreibenBegonnen) {
        bereiteSchreibfeld();
        SchreibenKontLabel->setText(Kontext);
        SchreibenTextfeld->clear();
        SchreibenTextfeld->setFocus();
    }
    SchreibenTextfeld->setReadOnly(false);
    SchreibenTextfeld->setEnabled(true);
    if (TextToSpeech) {
        const QString w = (TranskripteWoerter && !WortTranskr.isEmpty()) ? WortTranskr : Wort;
        QString text;
        if (!SprachAusgabeSatz) {
            text = Kontext + QLatin1Char(' ') + w;
        } else {
            QString satz;
            if (TranskripteSaetze && !SatzTranskr.isEmpty()) {
                satz = SatzTranskr;
            } else {
                bildeSatzKontext(true);
                satz = Beispielsatz;
                bildeSatzKontext(false);
            }
            text = satz + QStringLiteral("\\Pau=500\\") + Kontext + QLatin1Char(' ') + w +
                   QLatin1Char('.');
        }
        dienste::sprache().sprich(text);
    } else {
        spieleWortDatei(WaveDat);
    }
    zeigeZaehler(0, formatiereAnzahl(SpielerStatistik[size_t(aktSpieler)].woerter));
    zeigenTaste->setEnabled(false);
    if (!schreibenBegonnen)
        SchreibenTextfeld->setFocus();
}

bool VarkuForm::SchreibenTextfeld_KeyPress(int keyAscii) {
    if (!schreibenBegonnen) {
        schreibenBegonnen = true;
        SwitchLampe(1, 1);
        leseEnde = sekundenJetzt();
        LesenLabel->clear();
        LesenKontLabel->clear();
        LeseLupe->setVisible(false);
        WortendeTaste->setEnabled(true);
        return true; // die Taste geht ins Feld; ein Enter beginnt nur das Schreiben
    }
    if (keyAscii == tasteEnter) {
        WortendeTaste->setEnabled(true);
        WortendeTaste->setFocus();
        WortendeTaste_Click();
        return false;
    }
    return true;
}

void VarkuForm::zeigeLesezeit() {
    if (!lesezeitAktiv)
        return;
    const long t = sekundenZwischen(leseStart, leseEnde);
    const int j = zufallszahl(1, 50);
    const int s = zufallszahl(1, 10);
    const double zeit = lesezeitMitStreuung(t, j, s);
    zeigeZaehler(2, formatiereZeit(zeit));
    Statistik& st = SpielerStatistik[size_t(aktSpieler)];
    st.lesezeitSumme = alsLong(double(st.lesezeitSumme) + zeit, QStringLiteral("Lesezeit"));
    const double schnitt = st.woerter < 1 ? 0.0 : double(st.lesezeitSumme) / st.woerter;
    zeigeZaehler(3, formatiereZeit(schnitt));
}

void VarkuForm::WortendeTaste_Click() {
    SwitchLampe(2, 0);
    SwitchLampe(1, 0);
    zeigeLesezeit();
    const QString eingabe = SchreibenTextfeld->text();
    const long refNr = long(rdb.feld(QStringLiteral("RefNr")).alsGanzzahl());
    if (trimme(eingabe) == Wort) {
        zaehleRichtigenVersuch();
        mnuEinstellungen->setEnabled(true);
        SchreibenTextfeld->clear();
        SchreibenKontLabel->clear();
        SatzBspLbl->clear();
        SatzBspLbl->setVisible(false);
        UebTitelLabel->setVisible(true);
        if (BeispielSatz)
            SwitchLampe(0, 1);
        spieleSound(QStringLiteral("Annahme1"));
        schreibeProtokoll(true, refNr, eingabe);
        merkeWortErledigt();
        initTasten();
        loeschTaste->setEnabled(false);
        WortendeTaste->setEnabled(false);
        SchreibenTextfeld->setEnabled(false);
        bewerteRichtigesWort();
        naechstesWort();
        schreibenBegonnen = false;
        return;
    }
    LesenFrame->setTitle(QStringLiteral("lesen"));
    SwitchLampe(1, 2);
    SwitchLampe(2, 1);
    mnuEinstellungen->setEnabled(false);
    zeigeWort();
    setzeLupe(false);
    fehlerMeldung(lupenFehler());
    schreibeProtokoll(false, refNr, eingabe);
    merkeFehlerwort();
    SchreibenTextfeld->setReadOnly(true);
    loeschTaste->setEnabled(true);
    WortendeTaste->setEnabled(false);
    diktierTaste->setEnabled(false);
    loeschTaste->setFocus();
    fehlerBeiWort = true;
    schreibenBegonnen = false;
}

void VarkuForm::bewerteRichtigesWort() {
    Statistik& st = SpielerStatistik[size_t(aktSpieler)];
    if (!fehlerBeiWort) {
        st.richtig = alsInteger(double(st.richtig) + 1, QStringLiteral("richtig"));
        zeigeZaehler(1, formatiereAnzahl(st.richtig));
    }
    const int punkte =
        berechnePunkte(Nachschreiben, leseStart, leseEnde, KomplexInd, Schwierigkeitsgrad);
    SitzungsPunkte = alsInteger(double(SitzungsPunkte) + punkte, QStringLiteral("Punkte"));
    if (mnuUebung->isEnabled() && SitzungsPunkte >= 1)
        mnuUebung->setEnabled(false);
    if (SitzungsPunkte > 1000)
        SitzungsPunkte = 1000;
    drawVuZeiger(SitzungsPunkte);
    if (SitzungsPunkte >= 1000) {
        zeigenTaste->setEnabled(false);
        diktierTaste->setEnabled(false);
        spieleSound(QStringLiteral("Gratulation1"));
        Meldungstext = QStringLiteral("Herzlichen Glückwunsch!\r\r") +
                       (nSpieler < 2 ? QStringLiteral("Du hast") : QStringLiteral("Ihr habt")) +
                       QStringLiteral(" die erforderlichen 1000 Punkte\r"
                                      "erreicht. Der Zugang zu den Spielen\r"
                                      "wird nun von VARKU freigeschaltet ...");
        zeigeMeldung(Meldungstext, QStringLiteral("&OK"), QString(), QStringLiteral("Glückwunsch"));
        mnuSpiele->setEnabled(true);
        mnuDrucken->setEnabled(true);
    }
    if (uebergabeFaellig(SitzungsPunkte, Zielpunkte, nSpieler, aktSpieler)) {
        spieleSound(QStringLiteral("Gratulation2"));
        Meldungstext = QStringLiteral("Geschafft, ") + holeSpielerName(aktSpieler) +
                       QStringLiteral("!\rDu darfst dich ein wenig ausruhen.");
        zeigeMeldung(Meldungstext, QStringLiteral("&OK"), QString(),
                     QStringLiteral("Spielerwechsel"));
        spielerWechsel();
    }
}

void VarkuForm::spielerWechsel() {
    ++aktSpieler;
    if (aktSpieler > nSpieler - 1)
        aktSpieler = 0;
    oeffneProtokoll();
    NameLabel->setText(holeSpielerName(aktSpieler));
    zeigeSpielerZaehler();
}

void VarkuForm::loeschTaste_Click() {
    LeseLupe->setVisible(false);
    SchreibenTextfeld->clear();
    SchreibenKontLabel->clear();
    LesenLabel->clear();
    LesenKontLabel->clear();
    SchreibenTextfeld->setEnabled(false);
    loeschTaste->setEnabled(false);
    WortendeTaste->setEnabled(false);
    if (!Nachschreiben) {
        diktierTaste->setEnabled(true);
        diktierTaste->setFocus();
        LesenFrame->setTitle(QStringLiteral("hören"));
    } else {
        zeigenTaste->setEnabled(true);
        zeigenTaste->setFocus();
        LesenFrame->setTitle(QStringLiteral("lesen"));
    }
    mnuEinstellungen->setEnabled(true);
    SatzBspLbl->clear();
    SatzBspLbl->setVisible(false);
    UebTitelLabel->setVisible(true);
    SwitchLampe(1, 1);
    if (BeispielSatz)
        SwitchLampe(0, 1);
}

bool VarkuForm::lupenFehler() const {
    if (vonPos + bisPos == 0 || vonPos < 1 || bisPos < vonPos)
        return false;
    const QString stelle = Wort.mid(vonPos - 1, bisPos - vonPos + 1);
    return !SchreibenTextfeld->text().contains(stelle);
}

void VarkuForm::fehlerMeldung(bool lupenFehlerDa) {
    FehlerMldFrm& f = FehlerMldFrm::instanz();
    const QString text =
        lupenFehlerDa ? QStringLiteral("Da stimmt aber etwas nicht.\rAchte beim Schreiben bitte\r"
                                       "immer auf die Lupenstelle! \rProbiere es noch einmal.")
                      : QStringLiteral("Da stimmt aber etwas nicht! \rDrücke die Löschen-Taste\r"
                                       "und probiere es dann noch\reinmal.");
    const bool sprechen = !Nachschreiben && TextToSpeech;
    f.WortSprBtn->setEnabled(sprechen);
    f.FehlerSprBtn->setEnabled(sprechen);
    f.wortText = Kontext + QLatin1Char(' ') + Wort;
    f.eingabeText = Kontext + QLatin1Char(' ') + SchreibenTextfeld->text();
    spieleSound(QStringLiteral("LeichterFehler"));
    f.FehlerNameLbl->setText(QStringLiteral("Hoppla, ") + holeVorname(aktSpieler) +
                             QStringLiteral("!"));
    f.FehlerHinweisLbl->setText(alsAnzeigeText(text));
    f.adjustSize();

    // neben das Getippte, unter den Schreibrahmen; zu weit rechts: in die Ecke des Fensters
    const QRectF fenster(twips(x()), twips(y()), twips(frameGeometry().width()),
                         twips(frameGeometry().height()));
    const QPoint flaeche = centralWidget()->mapTo(this, QPoint(0, 0));
    const QRectF rahmen = rechteckTwips(*SchreibenFrame);
    const QRectF feld = rechteckTwips(*SchreibenTextfeld);
    const double breite = twips(f.width()), hoehe = twips(f.height());
    double links = fenster.left() + twips(flaeche.x()) + rahmen.left() + feld.left() +
                   textBreite(wortSchrift(), SchreibenTextfeld->text()) + 200;
    double oben = fenster.top() + twips(flaeche.y()) + rahmen.top() + rahmen.height() + 300;
    if (links + breite > fenster.left() + fenster.width()) {
        links = fenster.left() + fenster.width() - breite;
        oben = fenster.top() + fenster.height() - hoehe;
    }
    f.move(px(links), px(oben));
    dienste::anzeige().zeigeModal(f);
}

void VarkuForm::spieleWortDatei(const QString& name) {
    if (name.isEmpty()) {
        Meldungstext = QStringLiteral("Für dieses Wort ist keine\rSprachausgabe verfügbar.");
        zeigeMeldung(Meldungstext, QStringLiteral("&OK"), QString(), QStringLiteral("Info"));
        return;
    }
    // die Aufnahmen werden genau verglichen: ".wav" ist nicht ".WAV"
    const QString datei = name + QStringLiteral(".WAV");
    if (dateiGenauVorhanden(SprachPfad, datei)) {
        dienste::sound().spiele(SprachPfad + QLatin1Char('/') + datei);
        return;
    }
    Meldungstext = QStringLiteral("Datei ") + datei + QStringLiteral(" nicht gefunden.");
    zeigeMeldung(Meldungstext, QStringLiteral("&OK"), QString(), QStringLiteral("Info"));
}

void VarkuForm::setzeSprachAusgabe() {
    Sprachausgabe& sprache = dienste::sprache();
    sprache.setzeStimme(Modus);
    sprache.setzeLautstaerke(Lautstaerke);
    sprache.setzeStimmlage(Stimmlage);
    sprache.setzeGeschwindigkeit(Geschwindigkeit);
    if (BeispielSatz)
        SwitchLampe(0, 1);
    if (!uebungGewaehlt || nSpieler == 0)
        return;
    SwitchDigAnzOn();
    if (!Nachschreiben) {
        DirSp->setVisible(TextToSpeech);
        SwitchUebModus(0);
    } else {
        SwitchUebModus(1);
        DirSp->setVisible(false);
    }
    mnuDrucken->setEnabled(true);
    // ohne Wörter gibt es nichts zu zeigen oder zu diktieren
    if (SitzungsPunkte < 1000 && AnzahlWoerter > 0)
        initTasten();
}

} // namespace varku
