#include "games/wheel/MainFrm.h"

#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "gamekit/Computerfenster.h"
#include "games/wheel/EinstellFrm.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace varku::zirkomat {

Spielkonfiguration MainFrm::konfiguration() {
    Spielkonfiguration k;
    k.name = QStringLiteral("Zirkomat");
    k.hintergrundBild = QStringLiteral("VarkuHintergrund.png");
    k.neuStartenFrage = true;
    // nur Wörter, die in die 15 Kästen passen
    k.maxWortLaenge = maxBuchstaben;
    return k;
}

MainFrm::MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s)
    : Spielfenster(k, s), m_zug(ablauf, *this, systemWuerfel()) {
    // ohne die Bilder des Rades sähe niemand, worum es geht
    Radbrett::pruefeRadBilder();
    m_brett = new Radbrett(m_zug.spiel(), this);
    verbinde(m_brett, &Radbrett::buchstabe, this, &MainFrm::bstBtn_Click);
    verbinde(m_brett->drehenBtn, &QPushButton::clicked, this, &MainFrm::drehenBtn_Click);
    verbinde(m_brett->anhaltenBtn, &QPushButton::clicked, this, &MainFrm::anhaltenBtn_Click);
    verbinde(m_brett->WortRatenBtn, &QPushButton::clicked, this, &MainFrm::WortRatenBtn_Click);
    verbinde(m_brett->BstKaufBtn, &QPushButton::clicked, this, &MainFrm::BstKaufBtn_Click);
    verbinde(m_brett->showSatzBtn, &QPushButton::clicked, this, &MainFrm::showSatzBtn_Click);
    setzeSpielbrett(m_brett);
    ablauf.setzeRegeln(m_zug);
    ablauf.bindeEinstellungen(Einstellungsbindung(zirkomatAbschnitt(), m_zug.einst()));
    lade();
}

MainFrm::~MainFrm() = default;

EinstellFrm& MainFrm::einstellungen() {
    return behaltenerDialog<EinstellFrm>(QStringLiteral("EinstellFrm"));
}

Computerfenster& MainFrm::compZug() {
    // das Fenster des Radspiels hat nur seine beiden Texte, kein Bild; es zählt die Takte einer
    // Drehung zu je 100 ms
    return computerfenster(
        QStringLiteral("Ich darf jetzt das Zirkomat drehen und einen Buchstaben raten."),
        Radzug::computerTaktMs, false);
}

void MainFrm::ladeSpiel() {
    m_brett->ladeRadBilder();
}

// --- was der Zug zeigt ---

void MainFrm::zeigeKnoepfe() {
    m_brett->zeigeKnoepfe(m_zug.spiel().knoepfe(ablauf.computerAmZug()));
}

void MainFrm::zeigeRad() {
    m_brett->zeigeRad();
}

void MainFrm::zeigeRaetsel() {
    m_brett->zeigeRaetsel(woerter.Paraphrase, woerter.Kontext);
}

void MainFrm::zeichneKasten(int i) {
    m_brett->zeichneKasten(i);
}

void MainFrm::zeigeSatz() {
    UebTitelLabel->setVisible(false);
    m_brett->zeigeSatz(woerter.LueckenSatz);
}

void MainFrm::versteckeSatz() {
    m_brett->versteckeSatz();
    UebTitelLabel->setVisible(true);
}

void MainFrm::fokusAufBuchstaben() {
    if (m_brett->bstBtn[0]->isEnabled())
        m_brett->bstBtn[0]->setFocus();
}

void MainFrm::EinstellAenderungUebernehmen() {
    m_zug.faerbeNeu();
    m_brett->ordneKaestenAn();
}

bool MainFrm::taste(QKeyEvent* e) {
    const QString text = e->text();
    return text.size() == 1 && m_zug.tippe(text.at(0));
}

// --- der Computer ---

void MainFrm::computerZug() {
    // sein Zug beginnt hier einmal, nicht mit jedem Zeigen seines Fensters
    Computerfenster& f = compZug();
    zeigeComputerschritt(m_zug.computerDreht());
    dienste::anzeige().zeigeModal(f);
    f.CompZugTimer->setzeAktiv(false);
}

void MainFrm::zeigeComputerschritt(const Radzug::Computerschritt& s) {
    using Art = Radzug::Computerschritt::Art;
    if (s.art == Art::Ende)
        compZug().beende();
    else if (s.art == Art::Dreht)
        compZug().warteTakte(s.takte, [this] {
            compZug().warteTakte(Radzug::takteNachDemAnhalten,
                                 [this] { zeigeComputerschritt(m_zug.computerZieht()); });
            m_zug.computerHaeltAn();
        });
}

// --- der Rahmen ---

void MainFrm::ratezeitAbgelaufen(Spielablauf& a) {
    // zog der Computer, ist sein Zug vorbei
    m_zug.ratezeitAbgelaufen();
    if (auto* f = behaltenesFenster<Computerfenster>(QStringLiteral("CompZugFrm")))
        if (f->isVisible())
            f->beende();
    zeigeKnoepfe();
    Spielfenster::ratezeitAbgelaufen(a);
}

bool MainFrm::zeigeEinstellungen() {
    if (!zeigeEinstellungsdialog(einstellungen(), m_zug.einst(), [this](EinstellFrm& f) {
            f.ladeSteuerelemente(m_zug.einst(), runde.computerSitzt());
        }))
        return false;
    EinstellAenderungUebernehmen();
    return true;
}

} // namespace varku::zirkomat
