#pragma once

namespace varku {

// Die Ratezeit eines Zuges: ein Zähler von 0 bis 1000, der je Takt um einen Schritt wächst.
class Ratezeit {
public:
    explicit Ratezeit(int schritt = 50) : m_schritt(schritt) {}
    int RateZeitZaehler = 0;
    int schritt() const { return m_schritt; }
    int takte() const { return m_takte; }
    // Ein anderer Schritt je Takt. Mit takte > 0 endet ein Zug nach genau so vielen Takten, und
    // der Zähler wächst gleichmäßig: für lange Züge, deren Schritt unter 1 läge. Eine andere Dauer
    // beginnt den Zug neu; dieselbe noch einmal ändert nichts.
    void setzeDauer(int schritt, int takte = 0);
    // ein Takt; true, wenn die Zeit jetzt abgelaufen ist
    bool tick();
    void reset() {
        RateZeitZaehler = 0;
        m_getaktet = 0;
    }

private:
    int m_schritt;
    int m_takte = 0;
    int m_getaktet = 0;
};

// Der Spielzeitbalken: er verliert je Sekunde energieSchritt Twips an Höhe, seine Unterkante
// bleibt. Unter 100 Twips ist die Spielzeit um; mit dem Schritt 0 läuft sie nie ab.
class Spielzeitbalken {
public:
    static constexpr double startHoehe = 4605;

    explicit Spielzeitbalken(int energieSchritt = 0) : m_schritt(energieSchritt) {}
    void start(long jetzt);
    // ein Takt mit der Uhrzeit in Sekunden seit Mitternacht, auch über Mitternacht; true, wenn
    // die Zeit damit abgelaufen ist
    bool tick(long jetzt);
    bool abgelaufen() const { return m_hoehe < 100; }
    double hoehe() const { return m_hoehe; }
    int energieSchritt() const { return m_schritt; }

private:
    int m_schritt;
    double m_hoehe = startHoehe;
    long m_letzteZeit = 0;
};

} // namespace varku
