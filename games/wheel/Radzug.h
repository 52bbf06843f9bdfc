#pragma once

#include "gamekit/Spielregeln.h"
#include "gamekit/Wuerfel.h"
#include "games/wheel/Radspiel.h"
#include "games/wheel/ZirkomatEinstellungen.h"

#include <QChar>
#include <memory>

namespace varku {
class Spielablauf;
class Timer;
enum class Menue;
} // namespace varku

namespace varku::zirkomat {

// Was das Fenster nach einem Schritt des Zuges zeigt
class Radsicht {
public:
    virtual ~Radsicht() = default;
    // welche Knöpfe gehen und die Lampen, nach der Phase des Radspiels
    virtual void zeigeKnoepfe() = 0;
    virtual void zeigeRad() = 0;
    // ein neues Rätsel: Kästen, Umschreibung, Zusammenhang
    virtual void zeigeRaetsel() = 0;
    virtual void zeichneKasten(int i) = 0;
    // die Punkte des Spielers am Zug
    virtual void zeigeStand() = 0;
    // der gekaufte Satz statt des Titels, oder wieder der Titel
    virtual void zeigeSatz() = 0;
    virtual void versteckeSatz() = 0;
    // die Tastatur bei den Buchstaben, wenn sie gehen
    virtual void fokusAufBuchstaben() = 0;
    // der Computer rät im Wortraten den nächsten Buchstaben, oder sein Buchstabenzug ist vorbei
    virtual void computerWaehlt() = 0;
    virtual void computerZugEnde() = 0;
};

// Der Zug des Radspiels auf dem Ablauf des Baukastens: das Rad dreht und steht, ein Buchstabe,
// ein Kauf oder das Wortraten, danach die Wartezeit (das fertige oder gezeigte Wort bleibt
// stehen, der Computer wartet nach seiner Hilfe), das nächste Rätsel und der nächste Spieler. Rad
// und Wartezeit laufen auf Zeitgebern des Ablaufs; was während des Wartens kommt, fällt weg.
class Radzug : public Spielregeln {
public:
    Radzug(Spielablauf& ablauf, Radsicht& sicht, Wuerfel wuerfel);
    ~Radzug();
    Radzug(const Radzug&) = delete;
    Radzug& operator=(const Radzug&) = delete;

    // Spielregeln
    void ladeSpiel() override { lade(); }

    Einstellungen& einst() { return m_einst; }
    Radspiel& spiel() { return m_spiel; }
    const Radspiel& spiel() const { return m_spiel; }
    Timer& zirkTimer() { return *m_zirkTimer; }
    const Timer& WarteTimer() const { return *m_warteTimer; }

    // beim Laden: das erste Rätsel
    void lade();
    // versteckt den Satz und legt das nächste Wort aus
    void neuesRaetsel();

    // was die Menschen drücken; solange der Computer zieht, nichts
    void drehen();
    void anhalten();
    void bstWahl(int taste);
    // ein getipptes Zeichen; false, wenn es nicht genommen wird
    bool tippe(QChar c);
    void kaufeBuchstaben();
    void kaufeSatz();
    void wortRaten();

    // das Rad, auch für den Computer
    void RadDrehen();
    void RadStoppen();
    // der Buchstabe, auch der des Computers; false, wenn er jetzt nicht gilt
    bool pruefeBstWahl(int taste);

    // Der Zug des Computers in Schritten, im Takt von 100 ms seines Fensters: eine Drehung von 20
    // bis 80 Takten, drei Takte vor seinem Zug hält er das Rad an. Ein Schritt sagt, wie es
    // weitergeht: sein Zug ist vorbei, er dreht wieder (die Takte bis zum Anhalten), oder er wartet
    // auf den Zug (computerWaehlt oder computerZugEnde der Sicht)
    static constexpr int computerTaktMs = 100, takteNachDemAnhalten = 3;
    struct Computerschritt {
        enum class Art { Ende, Dreht, Wartet } art = Art::Ende;
        int takte = 0;
    };
    // er dreht das Rad
    Computerschritt computerDreht();
    // drei Takte vor seinem Zug: das Rad steht
    void computerHaeltAn();
    // sein Zug nach dem Anhalten
    Computerschritt computerZieht();
    // er rät einen Buchstaben
    Computerschritt computerWaehlt();
    // sein Buchstabe ist vorbei: nach einem Fehlgriff dreht er wieder
    Computerschritt computerZugEnde() { return computerWeiter(m_computerFehlgriff); }

    // die Ratezeit ist um: der Zug endet, der Nächste dreht selbst
    void ratezeitAbgelaufen();
    void neuesSpiel() override;
    // die Kästen neu gefärbt, das Aufgedeckte bleibt aufgedeckt
    void faerbeNeu();
    // während der Wartezeit weder ein neues Spiel noch Einstellungen
    bool menueGesperrt(Menue m) const;

private:
    void zirkTimer_Timer();
    void warteDann(int sekunden, const Radspiel::Zug& z);
    void WarteTimer_Timer();
    // das Ende eines Buchstabens, gleich oder nach der Wartezeit: wer weiter ist, dreht
    void beendeZug(const Radspiel::Zug& z);
    // nach einem Zug des Computers: er dreht noch einmal, oder sein Zug ist vorbei
    Computerschritt computerWeiter(bool nochmalDrehen);

    Spielablauf& m_ablauf;
    Radsicht& m_sicht;
    Wuerfel m_wuerfel;
    Einstellungen m_einst;
    Radspiel m_spiel;
    std::unique_ptr<Timer> m_zirkTimer;
    std::unique_ptr<Timer> m_warteTimer;
    Radspiel::Zug m_gewartet;         // der Buchstabe, nach dem gewartet wird
    bool m_computerFehlgriff = false; // der Computer griff daneben: er dreht wieder
};

} // namespace varku::zirkomat
