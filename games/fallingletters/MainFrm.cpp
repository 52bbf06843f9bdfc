#include "games/fallingletters/MainFrm.h"

#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "foundation/Texte.h"
#include "games/fallingletters/EinstellFrm.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QKeyEvent>
#include <QPushButton>

namespace varku::dolmix {

Spielkonfiguration MainFrm::konfiguration() {
    Spielkonfiguration k;
    k.name = QStringLiteral("Dolmix");
    k.hintergrundBild = QStringLiteral("VarkuHintergrund.png");
    k.versionInLetzterZeile = true;
    // die Ratezeituhr geht jede Sekunde; ihr Schritt folgt den Minuten je Zug
    k.ratezeitTaktMs = 1000;
    k.endeWarteSekunden = 2;
    k.spielzeitTitel = QStringLiteral("Ende des Spiels");
    k.spielzeitKlang = true;
    k.endeFragtImmer = true;
    k.neuStartenFrage = false;
    k.neinZuerst = true;
    k.wortTabellen = WortTabellen{true, true, false};
    k.maxWortLaenge = hoechstensBuchstaben;
    return k;
}

MainFrm::MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s)
    : Spielfenster(k, s), m_zug(ablauf, m_einst, systemWuerfel(), *this) {
    m_brett = new Fallbrett(m_zug.spiel(), this);
    verbinde(m_brett->StartBtn, &QPushButton::clicked, this, &MainFrm::StartBtn_Click);
    verbinde(m_brett->PauseBtn, &QPushButton::clicked, this, &MainFrm::PauseBtn_Click);
    setzeSpielbrett(m_brett);
    ablauf.setzeRegeln(m_zug);
    ablauf.bindeEinstellungen(Einstellungsbindung(dolmixAbschnitt(), m_einst));
    lade();
}

MainFrm::~MainFrm() = default;

EinstellFrm& MainFrm::einstellungen() {
    return behaltenerDialog<EinstellFrm>(QStringLiteral("EinstellFrm"));
}

// --- was der Zug zeigt ---

void MainFrm::zeigeWort() {
    m_brett->zeigeWort(m_zug.spiel().Wort());
    m_brett->markiereLupenStelle(m_zug.spiel().Wort(), woerter.vonPos, woerter.bisPos,
                                 lupeAn(ablauf.start.parameter));
    m_brett->SpFld->update();
}

void MainFrm::zeigeZiffern() {
    const Stand& s = m_zug.spiel().stand();
    zeigePunkte();
    m_brett->zeigeZaehler(s.woerter, s.zeilen);
}

void MainFrm::zeigeLauf(bool laeuft) {
    m_brett->zeigeLauf(laeuft);
}

void MainFrm::zeigeLeeresFeld() {
    m_brett->zeigeWarnung(false);
    m_brett->SpFld->update();
}

bool MainFrm::taste(QKeyEvent* e) {
    Taste t;
    switch (e->key()) {
    case Qt::Key_Left:
        t = Taste::Links;
        break;
    case Qt::Key_Right:
        t = Taste::Rechts;
        break;
    case Qt::Key_Up:
        t = Taste::Hoch;
        break;
    case Qt::Key_Down:
        t = Taste::Runter;
        break;
    case Qt::Key_Space:
        t = Taste::Fallen;
        break;
    default:
        return false;
    }
    // Pfeile und Leertaste gehören immer dem Stein: die Leertaste drückt nie Start oder Pause
    zeige(m_zug.taste(t));
    return true;
}

void MainFrm::zeige(const Ereignis& e) {
    for (const QString& k : e.klaenge)
        spieleSound(k);
    if (e.ganzesFeld)
        m_brett->SpFld->update();
    else
        m_brett->SpFld->zeigeZellen(e.zellen);
    if (e.warnungEin)
        m_brett->zeigeWarnung(true);
    else if (!m_zug.spiel().warnt() && m_brett->warnt())
        m_brett->zeigeWarnung(false);
    if (e.punkte || e.entfernteZeilen > 0)
        zeigeZiffern();
}

// --- der Rahmen ---

bool MainFrm::zeigeEinstellungen() {
    const Einstellungen alt = m_einst;
    if (!zeigeEinstellungsdialog(einstellungen(), m_einst,
                                 [this](EinstellFrm& f) { f.ladeSteuerelemente(m_einst); }))
        return false;
    m_zug.einstellungenUebernehmen();
    if (alt.BuchstabenGross == m_einst.BuchstabenGross &&
        alt.SteinZufallsFolge == m_einst.SteinZufallsFolge)
        return true;
    // vor dem Start gilt die neue Art der Steine gleich, danach erst beim nächsten Wort
    if (!m_zug.spiel().spielGestartet()) {
        m_zug.naechstesWort();
    } else {
        meldung(
            duOderIhr(runde.menschen(), QStringLiteral("Du hast "), QStringLiteral("Ihr habt ")) +
                QStringLiteral("die Einstellung der\rBuchstabensteine geändert.\r"
                               "Die Änderungen werden aber\rerst beim nächsten Wort\r"
                               "berücksichtigt."),
            QStringLiteral("Warnung"));
    }
    return true;
}

} // namespace varku::dolmix
