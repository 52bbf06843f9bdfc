#include "games/wordcard/MainFrm.h"

#include "foundation/Anzeigen.h"
#include "foundation/Benannt.h"
#include "foundation/DateiInfoFrm.h"
#include "foundation/Global.h"
#include "foundation/Routinen.h"
#include "foundation/Schwerpunktliste.h"
#include "foundation/Sound.h"
#include "foundation/Systemmeldung.h"
#include "foundation/Texte.h"
#include "gamekit/Computerfenster.h"
#include "games/wordcard/EinstellFrm.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku::zelko {

Spielkonfiguration MainFrm::konfiguration() {
    Spielkonfiguration k;
    k.name = QStringLiteral("Zelko");
    k.hintergrundBild = QStringLiteral("VarkuHintergrund.png");
    // die Ratezeit: 20 Sekunden, jede Sekunde ein Schritt
    k.ratezeitTaktMs = 1000;
    k.ratezeitSchritt = 50;
    k.ratezeitNeuFuerComputer = false; // jeder Wechsel stellt sie zurück
    k.endeWarteSekunden = 0;
    k.spielzeitTitel = QStringLiteral("Ende des Spiels");
    k.hoechstensSpielerMitComputer = kartenSpieler;
    k.ersterSpielerNachSitzwechsel = true;
    k.schreibtProtokolle = true;
    // eigene Lückenwörter aus den Tabellen, die der Baukasten öffnet; er zählt nur die Wörter
    // der Kategorie
    k.wortTabellen = WortTabellen{true, true, false};
    k.fehlerWoerterLesen = false;
    return k;
}

MainFrm::MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s)
    : Spielfenster(k, s), spiel(runde, systemWuerfel()) {
    brett = new Zelkobrett(this);
    FehlerBlinker = std::make_unique<Blinklampe>(*brett->falschImg, 300);
    ZelkoBlinker = std::make_unique<Blinklampe>(*brett->ZelkoImg, 300);
    FehlerBlinker->beiEnde = ZelkoBlinker->beiEnde = [this] { setzeLampen(0); };
    verbinde(brett->einsetzenBtn, &QPushButton::clicked, this, &MainFrm::einsetzenBtn_Click);
    verbinde(brett->LoesTippBtn, &QPushButton::clicked, this, &MainFrm::LoesTippBtn_Click);
    setzeSpielbrett(brett);
    ablauf.bindeEinstellungen(Einstellungsbindung(zelkoAbschnitt(), einst));
    lade();
}

MainFrm::~MainFrm() = default;

EinstellFrm& MainFrm::einstellungen() {
    return behaltenerDialog<EinstellFrm>(QStringLiteral("EinstellFrm"));
}

Computerfenster& MainFrm::compZug() {
    return computerfenster(QStringLiteral("Jetzt darf ich raten, was in die Lücke gehört."), 200);
}

QDialog& MainFrm::loesTipp() {
    if (auto* f = behaltenesFenster<QDialog>(QStringLiteral("LoesTippFrm")))
        return *f;
    auto* f = benannt(new QDialog(this), "LoesTippFrm");
    f->setWindowTitle(QStringLiteral("Lösungstipp"));
    auto* rahmen = benannt(new QGroupBox(f), "TippFrame");
    auto* text = benannt(new QLabel(LoesTipp, rahmen), "KatKurzHilfeLbl");
    text->setWordWrap(true);
    QFont tf = text->font();
    tf.setPointSize(14);
    text->setFont(tf);
    text->setMinimumWidth(360);
    auto* rl = new QVBoxLayout(rahmen);
    rl->addWidget(text);
    auto* ok = benannt(new QPushButton(QStringLiteral("&OK"), f), "okBtn");
    ok->setDefault(true);
    verbinde(ok, &QPushButton::clicked, f, &QDialog::accept);
    auto* lage = new QVBoxLayout(f);
    lage->setContentsMargins(16, 16, 16, 16);
    lage->addWidget(rahmen);
    lage->addWidget(ok, 0, Qt::AlignHCenter);
    lage->setSizeConstraint(QLayout::SetFixedSize);
    return *f;
}

// --- das Laden ---

void MainFrm::ladeSpiel() {
    const Startparameter& p = ablauf.start.parameter;
    // eine beschädigte Kategorietabelle oder eine ohne die Kategorie ist ein Laufzeitfehler,
    // der die Datei nennt: am Übungsschwerpunkt liegt es dann nicht
    const Kategoriesatz satz = leseKategorie(imProgrammordner(kategorieDatei), p.RuvoFeldName);
    LoesTipp = satz.LoesTipp;
    const QStringList kategorien =
        leseSchwerpunktDatei(imProgrammordner(QStringLiteral("Varku.tsp"))).codes;
    // die Tabellen, die der Baukasten geöffnet hat; die Lückenwörter gehen mit eigenem Zeiger
    // darüber
    Wortzugang& zugang = woerter.zugang();
    spiel.setzeWoerter(std::make_unique<Lueckenwoerter>(
        satz, kategorien, zugang.alle(), zugang.ruv(), zugang.phr(), systemWuerfel()));
    zeigeSitze();
    if (!spiel.naechsteLuecke()) {
        ablauf.ohneWoerterEnde();
        return;
    }
    zeigeLueckensatz();
    nachSpielerwechsel();
}

void MainFrm::zeigeSitze() {
    Spielfenster::zeigeSitze();
    if (const Lueckenwoerter* w = spiel.woerter())
        DateiInfoFrm::instanz().DatInfLbl[0]->setText(
            QString::number(w->PoolAnzahlA() + w->PoolAnzahlB()));
}

// --- Aufruf, Karten, Lampen ---

void MainFrm::zeigeLueckensatz() {
    brett->zeigeLueckensatz(spiel.luecke(), spiel.auswahl());
}

void MainFrm::zeigeKarten() {
    for (int i = 0; i < kartenSpieler; ++i) {
        Kartenfeld* k = brett->spFldFrame[size_t(i)];
        if (i >= runde.nSpieler) {
            k->zeige(-1, {}, {}, 0);
            continue;
        }
        const int s = (runde.aktSpieler + i) % runde.nSpieler;
        std::array<bool, kartenFelder + 1> marken{};
        for (int f = 1; f <= kartenFelder; ++f)
            marken[size_t(f)] = spiel.karten.markiert(s, f);
        k->zeige(s, runde.SpielerName[size_t(s)], marken, spiel.aktFeld);
    }
}

void MainFrm::zeigeZelkos() {
    brett->zelkZiff->zeige(QStringLiteral("%1").arg(spiel.ZelkoAnzahl[size_t(runde.aktSpieler)], 3,
                                                    10, QLatin1Char('0')));
}

void MainFrm::setzeLampen(int n) {
    lampenZustand = n;
    FehlerBlinker->halte(Lampenzustand::Aus);
    ZelkoBlinker->halte(Lampenzustand::Aus);
    brett->ladenImg->setzeZustand(n == 3 ? Lampenzustand::Gruen : Lampenzustand::Aus);
    brett->zeigeLampenText(brett->falschLbl, n == 1);
    brett->zeigeLampenText(brett->ZelkoLbl, n == 2);
    brett->zeigeLampenText(brett->ladenLbl, n == 3);
    // sechsmal an, dann geht sie aus
    if (n == 1)
        FehlerBlinker->blinke(Lampenzustand::Rot, Lampenzustand::Aus, 12);
    else if (n == 2)
        ZelkoBlinker->blinke(Lampenzustand::Gelb, Lampenzustand::Aus, 12);
}

// --- Spielerwechsel und Protokoll ---

void MainFrm::nachSpielerwechsel() {
    if (!spiel.woerter())
        return;
    setzeLampen(0);
    spiel.naechstesFeld();
    brett->zeigeFeld(spiel.aktFeld);
    zeigeKarten();
    zeigeZelkos();
    zeigePunkte();
    // der Nächste bekommt dasselbe Lückenwort, aber nichts gewählt
    spiel.leereTippPuffer();
    brett->wLueckGrLst->setCurrentRow(-1);
    brett->wLueckGrLst->clearSelection();
    // die Liste bekäme mit dem Fokus eine Zeile hervorgehoben, die nicht gewählt ist
    brett->einsetzenBtn->setFocus();
    setzeLampen(3);
    if (!ablauf.computerAmZug())
        initPrtDatei();
    if (ablauf.ratezeitAn())
        ablauf.resetVuZeiger();
}

void MainFrm::initPrtDatei() {
    const int s = runde.aktSpieler;
    if (s < 0 || s >= spielerPlaetze || runde.SpielerDatei[size_t(s)].isEmpty())
        return;
    prt.oeffne(protokollPfad(ablauf.start.UserPfad, runde.SpielerDatei[size_t(s)]));
}

// --- die Wahl ---

void MainFrm::einsetzenBtn_Click() {
    if (beendet() || ablauf.computerAmZug())
        return;
    spiel.leereTippPuffer();
    const QList<QListWidgetItem*> gewaehlt = brett->wLueckGrLst->selectedItems();
    if (gewaehlt.isEmpty())
        return;
    checkBstWahl(brett->wLueckGrLst->row(gewaehlt.first()));
}

void MainFrm::checkBstWahl(int listInd) {
    if (listInd < 0 || listInd >= spiel.auswahl().size() || beendet())
        return;
    setzeLampen(0);
    const QString vorname = holeVorname(runde.name());
    const bool computer = ablauf.computerAmZug();
    const long refNr = spiel.luecke().RefNr;
    const Antwort a = spiel.checkBstWahl(listInd);
    // jede Antwort eines Menschen steht sofort in seinem Protokoll; der Computer hat keines
    if (!computer && prt.offen())
        prt.schreibe(refNr, a.richtig, a.protokoll);
    if (!a.richtig) {
        spieleSound(QStringLiteral("LeichterFehler"));
        setzeLampen(1);
        // der Einsatz geht ab, bevor die Meldung steht
        zeigePunkte();
        if (!computer)
            meldung(vorname + QStringLiteral(", das stimmt leider nicht!\r"
                                             "Sieh dir doch mal den Lösungs-\rtipp an."),
                    QStringLiteral("Fehler"));
        return;
    }
    zeigeKarten();
    if (!a.zelko) {
        spieleSound(QStringLiteral("Annahme1"));
    } else {
        zeigePunkte();
        zeigeZelkos();
        spieleSound(QStringLiteral("Gratulation1"));
        setzeLampen(2);
        meldung(QStringLiteral("Glückwunsch, ") + vorname +
                    QStringLiteral("!\rDu hast ein Zelko erzielt."),
                QStringLiteral("Glückwunsch"));
        spiel.karten.loescheKarten();
        zeigeKarten();
    }
    if (beendet())
        return;
    spiel.naechsteLuecke();
    zeigeLueckensatz();
    ablauf.naechsterSpieler();
}

bool MainFrm::taste(QKeyEvent* e) {
    if (ablauf.computerAmZug() || !spiel.woerter())
        return false;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        einsetzenBtn_Click();
        return true;
    case Qt::Key_Backspace:
        spiel.loescheLetztesZeichen();
        waehleGetippte();
        return true;
    default:
        break;
    }
    const QString text = e->text();
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    if (spiel.tippe(c) == Zelkospiel::Tipp::Angenommen) {
        waehleGetippte();
        brett->einsetzenBtn->setFocus();
        return true;
    }
    // Steuerzeichen (Tab, Esc) bleiben den Knöpfen und der Liste; jedes andere Zeichen, auch die
    // Leertaste, ist kein Buchstabe einer Füllung und drückt auch "einsetzen" nicht
    if (!c.isPrint())
        return false;
    zeigeSystemmeldung(QStringLiteral("Nicht druckbares zeichen"), konfig().name, this);
    return true;
}

void MainFrm::waehleGetippte() {
    const int i = spiel.tippAuswahl();
    brett->wLueckGrLst->setCurrentRow(i);
    if (i < 0)
        brett->wLueckGrLst->clearSelection();
}

void MainFrm::LoesTippBtn_Click() {
    if (beendet())
        return;
    QDialog& f = loesTipp();
    f.findChild<QLabel*>(QStringLiteral("KatKurzHilfeLbl"))->setText(LoesTipp);
    dienste::anzeige().zeigeModal(f);
}

// --- der Computer ---

void MainFrm::computerZug() {
    Computerfenster& f = compZug();
    naechsteComputerwahl();
    dienste::anzeige().zeigeModal(f);
    f.CompZugTimer->setzeAktiv(false);
}

void MainFrm::naechsteComputerwahl() {
    // fünf Takte wartet er, im sechsten wählt er; ist sein Zug vorher vorbei, geht das Fenster
    compZug().warteTakte(
        6,
        [this] {
            // die richtige Wahl gibt den Zug schon weiter: dann geht das Fenster
            if (simuliereComputerZug() || !ablauf.computerAmZug())
                compZug().beende();
            else
                naechsteComputerwahl();
        },
        [this] { return !beendet() && ablauf.computerAmZug(); });
}

bool MainFrm::simuliereComputerZug() {
    const int wahl = spiel.computerWahl(einst.ComputerSpielStaerke);
    const bool richtig = spiel.pruefeWahl(wahl);
    brett->wLueckGrLst->setCurrentRow(wahl);
    checkBstWahl(wahl);
    return richtig;
}

// --- neues Spiel, Einstellungen ---

void MainFrm::neuesSpiel() {
    spiel.neuesSpiel();
    spiel.naechsteLuecke();
    zeigeLueckensatz();
}

bool MainFrm::zeigeEinstellungen() {
    return zeigeEinstellungsdialog(einstellungen(), einst, [this](EinstellFrm& f) {
        f.ladeSteuerelemente(einst, runde.computerSitzt(), ablauf.computerPlatzFrei());
    });
}

} // namespace varku::zelko
