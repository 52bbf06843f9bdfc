#pragma once

#include "foundation/Einstellungen.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace varku {

// Was die Abschnitte der Spiele gemeinsam haben. Die Einstellungen eines Spiels erben davon und
// fügen ihre eigenen Werte hinzu; ein Spiel, das einen dieser Schlüssel nicht hat, lässt ihn 0.
struct Spieleinstellungen {
    int GegenComputer = 0;
    int ComputerSpielStaerke = 0;
    int TonEinschalten = 0;
    int RatezeitBegrenzen = 0;
    int EinstellungenSpeichern = 0;
};

// Die gemeinsamen Schlüssel, hier einmal erklärt. Jedes Spiel stellt die seinen an die Stelle,
// die sie in seinem Abschnitt haben; die Schalter sind an nur bei der Zahl 1.
template <typename E> Schluessel<E> gegenComputerSchluessel() {
    return schalterZahlEins<E, int>("GegenComputer", &E::GegenComputer);
}
// die Stärke von 0 (stark) bis zur schwächsten, die das Spiel kennt
template <typename E> Schluessel<E> computerStaerkeSchluessel(int schwaechste) {
    return ganzzahl<E, int>("ComputerSpielStärke", &E::ComputerSpielStaerke, 0, schwaechste,
                            Bereich::Begrenzen);
}
template <typename E> Schluessel<E> tonSchluessel() {
    return schalterZahlEins<E, int>("TonEinschalten", &E::TonEinschalten);
}
template <typename E> Schluessel<E> ratezeitSchluessel() {
    return schalterZahlEins<E, int>("RatezeitBegrenzen", &E::RatezeitBegrenzen);
}
template <typename E> Schluessel<E> speichernSchluessel() {
    return schalterZahlEins<E, int>("EinstellungenSpeichern", &E::EinstellungenSpeichern);
}

// Der Abschnitt eines Spiels, wie der Ablauf ihn braucht: gelesen beim Laden, geschrieben am
// Ende, wenn das Speichern an ist. Der Ablauf liest nur die gemeinsamen Werte; die Werte selbst
// und die Tabelle gehören dem Spiel und leben länger als die Bindung.
class Einstellungsbindung {
public:
    Einstellungsbindung() = default;
    template <typename E>
    Einstellungsbindung(const Einstellungsabschnitt<E>& abschnitt, E& werte)
        : m_werte(&werte), m_lies([&abschnitt, &werte](const QString& ini, QStringList& gefunden) {
              return abschnitt.lies(ini, werte, &gefunden);
          }),
          m_schreibe([&abschnitt, &werte](const QString& ini) { abschnitt.schreibe(ini, werte); }) {
    }

    const Spieleinstellungen& werte() const { return m_werte ? *m_werte : m_ohne; }
    Spieleinstellungen& werte() { return m_werte ? *m_werte : m_ohne; }
    // liest den Abschnitt; false, wenn es ihn nicht gibt. Dann beginnt jedes Spiel gleich: ohne
    // Computer, Ton und Ratezeit, und es speichert nichts, bis sein Dialog es anders will.
    bool lies(const QString& iniDatei) {
        m_gefunden.clear();
        if (m_lies && m_lies(iniDatei, m_gefunden))
            return true;
        werte() = Spieleinstellungen{};
        return false;
    }
    // die Schlüssel, die beim Lesen im Abschnitt standen
    const QStringList& gefunden() const { return m_gefunden; }
    void schreibe(const QString& iniDatei) const {
        if (m_schreibe)
            m_schreibe(iniDatei);
    }

private:
    Spieleinstellungen* m_werte = nullptr;
    Spieleinstellungen m_ohne;
    std::function<bool(const QString&, QStringList&)> m_lies;
    QStringList m_gefunden;
    std::function<void(const QString&)> m_schreibe;
};

} // namespace varku
