#pragma once

#include "gamekit/Spieleinstellungen.h"
#include "gamekit/Spielkonfiguration.h"
#include "gamekit/Spielregeln.h"
#include "gamekit/Spielrunde.h"
#include "gamekit/Spielstart.h"
#include "gamekit/Spieluhren.h"
#include "gamekit/Spielwoerter.h"
#include "platform/Dienste.h"
#include "platform/Uhr.h"

#include <QString>
#include <memory>
#include <set>
#include <utility>
#include <vector>

class QWidget;

namespace varku {

class Spielablauf;

// Die acht Menüeinträge, die der Ablauf schaltet ("Bedienungshinweise" bleibt immer an)
enum class Menue {
    Neu,
    Info,
    Meisterliste,
    Ende,
    Einstellungen,
    HilfeInfo,
    Spielregeln,
    Schwerpunkt
};

// Was der Ablauf seinem Fenster zu zeigen gibt und was er es fragen lässt
class Spielsicht {
public:
    virtual ~Spielsicht() = default;
    // Bild und Titel des Schwerpunkts
    virtual void zeigeSchwerpunkt() = 0;
    // Name und Punkte des aktuellen Spielers
    virtual void zeigeSpieler() = 0;
    // Blatt und Zeiger der Ratezeituhr, wie der Ablauf sie hat
    virtual void zeigeRatezeit() = 0;
    // der Spielzeitbalken
    virtual void zeigeSpielzeit() = 0;
    // jeder Eintrag, wie menueAn() sagt
    virtual void zeigeMenues() = 0;
    // die Plätze mit Namen und Punkten und die Zahl der Wörter im Infofenster
    virtual void zeigeSitze() = 0;
    // eine Meldung, modal; die Antwort ohne "&"
    virtual QString zeigeMeldungsfenster(const QString& text, const QString& titel,
                                         const QString& knopf1, const QString& knopf2) = 0;
    // die Frage vor dem Beenden; true für "ja"
    virtual bool endeBestaetigt(const QString& frage) = 0;
    // vor einer Wartezeit steht alles auf dem Schirm, denn währenddessen zeichnet nichts
    virtual void zeichneSofort() = 0;
    // das Ende: die Hilfe zu, alle Fenster zu
    virtual void schliesseFenster() = 0;
};

// Die Haken des Fensters eines Spiels: wo es anders zeigt als der gemeinsame Ablauf. Was die
// Regeln dabei tun, tun sie vorher in ihren Spielregeln. Jeder Haken hat sein Verhalten ohne
// Spiel.
class Spielhaken {
public:
    virtual ~Spielhaken() = default;
    // beim Laden, nachdem die Wörter offen sind, vor den Regeln: das Brett
    virtual void ladeSpiel() {}
    // nach jedem Spielerwechsel, nach den Regeln
    virtual void nachSpielerwechsel() {}
    // die Ratezeit ist abgelaufen, bevor der nächste an die Reihe kommt; ohne eigene Fassung die
    // übliche Meldung
    virtual void ratezeitAbgelaufen(Spielablauf& ablauf);
    // der Computer ist an der Reihe, nach den Regeln: sein Zug, meist in einem modalen Fenster
    virtual void computerZug() {}
    // nach "ja" auf die Frage nach einem neuen Spiel, nach den Regeln: das eigene Brett
    virtual void neuesSpiel() {}
    // ein Menüeintrag, den das Spiel gerade aus haben will
    virtual bool menueGesperrt(Menue /*m*/) const { return false; }
    // läuft die Ratezeit nach den Einstellungen?
    virtual bool ratezeitGewuenscht(const Spieleinstellungen& e) const {
        return e.RatezeitBegrenzen != 0;
    }
    // der Einstellungsdialog des Spiels, modal; true nach OK, dann gelten die Werte schon
    virtual bool zeigeEinstellungen() { return false; }
    // kurz vor dem Ende (etwa eine Protokolldatei schließen)
    virtual void vorDemEnde() {}
};

// Der Ablauf eines Spiels, ohne Fenster: die Spieler auf ihren Plätzen, wer an der Reihe ist,
// die Übergabe an den Computer, Ratezeit und Spielzeit auf der Uhr des Systems, das Halten
// aller Uhren, solange ein Fenster über dem Spiel offen ist, die Fragen vor dem Beenden und vor
// einem neuen Spiel, das Laden und das Ende. Jede Handlung ist ein Aufruf; das Fenster zeigt,
// was der Ablauf ihm sagt.
class Spielablauf {
public:
    Spielablauf(Spielkonfiguration konfig, Spielstartdaten start, Spielsicht& sicht,
                Spielhaken& haken);
    ~Spielablauf();
    Spielablauf(const Spielablauf&) = delete;
    Spielablauf& operator=(const Spielablauf&) = delete;

    // die Regeln des Spiels, die der Ablauf ruft; ohne sie die eines Spiels ohne eigene
    void setzeRegeln(Spielregeln& r) { m_regeln = &r; }

    const Spielkonfiguration konfig;
    const Spielstartdaten start;
    Spielrunde runde;
    Spielwoerter woerter;
    Ratezeit ratezeit;
    Spielzeitbalken spielzeit;

    // Die Einstellungen des Spiels: der Ablauf liest und schreibt den Abschnitt, liest die
    // gemeinsamen Werte und sagt, ob Klänge an sind
    void bindeEinstellungen(Einstellungsbindung b) { m_einst = std::move(b); }
    const Spieleinstellungen& einstellungen() const { return m_einst.werte(); }
    // die Schlüssel, die beim Laden im Abschnitt des Spiels standen
    const QStringList& gelesenSchluessel() const { return m_einst.gefunden(); }

    // Ein Zeitgeber des Spiels (auch die beiden des Ablaufs sind solche): er steht, solange ein
    // Fenster über dem Spiel offen ist, und läuft danach weiter, wenn er lief; aktiv() sagt, ob
    // er laufen soll. Nach dem Ende läuft keiner mehr.
    std::unique_ptr<Timer> neuerTimer();
    Timer& RestZeitTimer() { return *m_restZeit; }
    Timer& EnergTimer() { return *m_energ; }

    // Bei diesen Fenstern stehen die Uhren nicht: das Spielfenster selbst
    void zeigtOhneHalt(const QWidget* fenster) { m_ohneHalt.insert(fenster); }
    // Das Fenster, in dem der Computer zieht: die Zeitgeber des Spiels laufen dabei weiter,
    // Ratezeit und Spielzeit nur, wenn das Spiel sie nicht halten will
    void setzeComputerfenster(const QWidget* fenster) { m_computerfenster = fenster; }
    // hält alle Uhren an oder lässt sie weiterlaufen; geschachtelt zählt der äußerste
    void halteUhren(bool halt);
    bool haelt() const;

    // Das Laden, für alle Spiele gleich: Einstellungen, Startklang, Schwerpunkt, Fehlerwörter,
    // Wortdatenbank, dann die Schritte des Spiels, dann Spielzeit, Ratezeit und Menüs. false, wenn
    // der Schwerpunkt keine Wörter hat: dann ist die Meldung gezeigt und das Spiel zu Ende.
    bool lade();

    // die Ratezeituhr
    void switchVuRestZeit(bool ein);
    bool ratezeitAn() const { return m_ratezeitEin; }
    void resetVuZeiger();

    // Spieler und Plätze
    void naechsterSpieler();
    // der erste Spieler ist an der Reihe (nach einem neuen Spiel, wenn die Plätze sich ändern)
    void ersterSpielerAmZug();
    bool computerAmZug() const { return m_computerAmZug; }
    // der Computer setzt sich auf den letzten Platz oder geht; GegenComputer folgt dem Platz
    Spielrunde::Sitz setzeComputer(bool mitspielen);
    // sitzt der Computer, oder hat er einen Platz? Sonst lässt ihn kein Dialog wählen
    bool computerPlatzFrei() const;
    long punkteDesPlatzes(int platz) const { return m_regeln->punkteDesPlatzes(runde, platz); }

    // die Menüs
    bool menueAn(Menue m) const;
    // das Spiel sperrt oder gibt Menüs frei: das Fenster zeigt es neu
    void menuesGeaendert() { m_sicht.zeigeMenues(); }

    // Meldungen und Fragen
    QString meldung(const QString& text, const QString& titel,
                    const QString& knopf1 = QStringLiteral("&OK"), const QString& knopf2 = {});
    // die übliche Meldung, wenn die Ratezeit abgelaufen ist
    void zeigeRatezeitMeldung();
    // "Ende ..." im Menü; true, wenn das Spiel danach zu Ende ist
    bool beendenAusMenue();
    // das Schließfeld; true, wenn das Fenster zu gehen darf
    bool schliessenErlaubt();
    // "Neu ..." im Menü
    void neuesSpielGefragt();
    // Die Einstellungen aus dem Menü; danach gelten Ratezeit und Computerplatz. Die Ratezeit
    // beginnt nur neu, wenn sie an- oder ausgeht oder ihre Dauer sich ändert; ein OK, das nichts
    // ändert, ändert nichts.
    void einstellungenGefragt();

    // das Ende: nur einmal, was auch immer es auslöst
    void programmEnde();
    bool beendet() const { return m_beendet; }
    // der Schwerpunkt hat für dieses Spiel keine Wörter: die Meldung, dann endet das Spiel, ohne
    // eine Datei anzufassen
    void ohneWoerterEnde();
    bool ohneWoerter() const { return m_ohneWoerter; }

    // die Takte der beiden Uhren
    void RestZeitTimer_Timer();
    void EnergTimer_Timer();
    // der Zug des Computers beginnt, wenn er nach einem Wechsel dran ist
    void ComputerStart_Timer();

private:
    class Register;
    class GehaltenerTimer;

    void trageMeisterEin();
    // erst die Regeln, dann das Fenster
    void nachDemWechsel();
    // nach einem Sitzwechsel fängt die Runde beim ersten Spieler an; wer gerade dran war, erfährt
    // es
    void rundeBeginntNeu(Spielrunde::Sitz s);
    // fragt, wenn es soll; true, wenn das Spiel danach zu Ende ist
    bool beendeNachFrage(bool fragen);

    Spielsicht& m_sicht;
    Spielhaken& m_haken;
    Spielregeln* m_regeln;
    Einstellungsbindung m_einst;
    std::shared_ptr<Register> m_register;
    std::unique_ptr<Timer> m_restZeit;
    std::unique_ptr<Timer> m_energ;
    std::unique_ptr<Timer> m_computerStart;
    std::set<const QWidget*> m_ohneHalt;
    const QWidget* m_computerfenster = nullptr;
    std::unique_ptr<dienste::Beobachtung> m_beobachtung;
    bool m_ratezeitEin = false;
    bool m_computerAmZug = false;
    bool m_beendet = false;
    bool m_ohneWoerter = false;
};

} // namespace varku
