#include "games/wordcard/MainFrm.h"

#include "foundation/DateiInfoFrm.h"
#include "foundation/Global.h"
#include "foundation/Routinen.h"
#include "foundation/Schwerpunktliste.h"
#include "foundation/Sound.h"
#include "foundation/Systemmeldung.h"
#include "gamekit/Computerfenster.h"
#include "games/wordcard/EinstellFrm.h"
#include "games/wordcard/LoesTippFrm.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

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
    spiel.setzeProtokollOrdner(ablauf.start.UserPfad);
    m_brett = new Zelkobrett(spiel, this);
    verbinde(m_brett, &Zelkobrett::blinkenVorbei, this, [this] {
        spiel.lampenAus();
        m_brett->zeigeLampen();
    });
    verbinde(m_brett->einsetzenBtn, &QPushButton::clicked, this, &MainFrm::einsetzenBtn_Click);
    verbinde(m_brett->LoesTippBtn, &QPushButton::clicked, this, &MainFrm::LoesTippBtn_Click);
    setzeSpielbrett(m_brett);
    ablauf.setzeRegeln(spiel);
    ablauf.bindeEinstellungen(Einstellungsbindung(zelkoAbschnitt(), einst));
    lade();
}

MainFrm::~MainFrm() = default;

EinstellFrm& MainFrm::einstellungen() {
    return behaltenerDialog<EinstellFrm>(QStringLiteral("EinstellFrm"));
}

Computerfenster& MainFrm::compZug() {
    return computerfenster(QStringLiteral("Jetzt darf ich raten, was in die Lücke gehört."),
                           Zelkospiel::computerTaktMs);
}

// --- das Laden ---

void MainFrm::ladeSpiel() {
    const Startparameter& p = ablauf.start.parameter;
    // eine beschädigte Kategorietabelle oder eine ohne die Kategorie ist ein Laufzeitfehler,
    // der die Datei nennt: am Übungsschwerpunkt liegt es dann nicht
    const Kategoriesatz satz = leseKategorie(imProgrammordner(kategorieDatei), p.RuvoFeldName);
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
    m_brett->zeigeLueckensatz();
    // der erste Zug beginnt wie nach einem Wechsel
    spiel.nachSpielerwechsel();
    nachSpielerwechsel();
}

void MainFrm::zeigeSitze() {
    Spielfenster::zeigeSitze();
    if (const Lueckenwoerter* w = spiel.woerter())
        DateiInfoFrm::instanz().DatInfLbl[0]->setText(
            QString::number(w->PoolAnzahlA() + w->PoolAnzahlB()));
}

// --- Spielerwechsel ---

void MainFrm::nachSpielerwechsel() {
    // die Regeln haben den Zug begonnen, sobald es Wörter gibt
    if (!spiel.woerter())
        return;
    m_brett->zeigeZug();
    m_brett->zeigeLampen();
    zeigePunkte();
    // die Liste bekäme mit dem Fokus eine Zeile hervorgehoben, die nicht gewählt ist
    m_brett->einsetzenBtn->setFocus();
    if (ablauf.ratezeitAn())
        ablauf.resetVuZeiger();
}

// --- die Wahl ---

void MainFrm::einsetzenBtn_Click() {
    if (beendet() || ablauf.computerAmZug())
        return;
    spiel.leereTippPuffer();
    const QList<QListWidgetItem*> gewaehlt = m_brett->wLueckGrLst->selectedItems();
    if (gewaehlt.isEmpty())
        return;
    checkBstWahl(m_brett->wLueckGrLst->row(gewaehlt.first()));
}

void MainFrm::checkBstWahl(int listInd) {
    if (beendet())
        return;
    const Antwort a = spiel.checkBstWahl(listInd);
    if (a.klang.isEmpty())
        return;
    // Punkte, Karte und Lampe stehen, bevor die Meldung kommt
    zeigePunkte();
    m_brett->zeigeKarten();
    m_brett->zeigeZelkos();
    m_brett->zeigeLampen();
    spieleSound(a.klang);
    if (!a.meldung.isEmpty())
        meldung(a.meldung, a.titel);
    const bool weiter = spiel.nachDerAntwort(a);
    m_brett->zeigeKarten();
    if (!weiter || beendet())
        return;
    m_brett->zeigeLueckensatz();
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
        m_brett->zeigeWahl();
        return true;
    default:
        break;
    }
    const QString text = e->text();
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    if (spiel.tippe(c) == Zelkospiel::Tipp::Angenommen) {
        m_brett->zeigeWahl();
        m_brett->einsetzenBtn->setFocus();
        return true;
    }
    // Steuerzeichen (Tab, Esc) bleiben den Knöpfen und der Liste; jedes andere Zeichen, auch die
    // Leertaste, ist kein Buchstabe einer Füllung und drückt auch "einsetzen" nicht
    if (!c.isPrint())
        return false;
    zeigeSystemmeldung(QStringLiteral("Nicht druckbares zeichen"), konfig().name, this);
    return true;
}

void MainFrm::LoesTippBtn_Click() {
    if (beendet())
        return;
    LoesTippFrm& f = behaltenerDialog<LoesTippFrm>(QStringLiteral("LoesTippFrm"));
    f.KatKurzHilfeLbl->setText(spiel.LoesTipp());
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
    // ist sein Zug vor der Wahl vorbei, geht das Fenster
    compZug().warteTakte(
        Zelkospiel::takteBisZurWahl,
        [this] {
            const Zelkospiel::Computerschritt s = spiel.computerSchritt(einst.ComputerSpielStaerke);
            m_brett->wLueckGrLst->setCurrentRow(s.wahl);
            checkBstWahl(s.wahl);
            // die richtige Wahl gibt den Zug schon weiter: dann geht das Fenster
            if (s.weiter && ablauf.computerAmZug())
                naechsteComputerwahl();
            else
                compZug().beende();
        },
        [this] { return !beendet() && ablauf.computerAmZug(); });
}

// --- neues Spiel, Einstellungen ---

void MainFrm::neuesSpiel() {
    // die Regeln haben schon neu begonnen
    m_brett->zeigeLueckensatz();
}

bool MainFrm::zeigeEinstellungen() {
    return zeigeEinstellungsdialog(einstellungen(), einst, [this](EinstellFrm& f) {
        f.ladeSteuerelemente(einst, runde.computerSitzt(), ablauf.computerPlatzFrei());
    });
}

} // namespace varku::zelko
