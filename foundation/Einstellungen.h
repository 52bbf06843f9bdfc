#pragma once

#include "foundation/IniAbschnitt.h"
#include "foundation/Zahlenwert.h"
#include "platform/Laufzeitfehler.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace varku {

// Einstellungen als Werte: ein Abschnitt der Konfigurationsdatei ist eine Struktur S mit ihrer
// Schlüsseltabelle. Gelesen und neu geschrieben wird mit dem einen Leser und der einen
// Neuschreibung; die Reihenfolge der Tabelle ist die Reihenfolge in der Datei.

template <typename S> struct Schluessel {
    QString name;
    std::function<void(S&, const QString& wert)> lies;
    std::function<QString(const S&)> schreibe;
};

template <typename S> struct Einstellungsabschnitt {
    AbschnittsFormat format; // Name des Abschnitts, "= " oder "="
    std::vector<Schluessel<S>> schluessel;
    // die Spiele suchen bis zum Dateiende statt bis zum nächsten Abschnitt
    bool bisDateiende = false;

    QStringList namen() const {
        QStringList n;
        for (const Schluessel<S>& k : schluessel)
            n << k.name;
        return n;
    }
    // liest den Abschnitt in s; ein fehlender Schlüssel lässt seinen Wert; false ohne Abschnitt.
    // gefunden bekommt die Namen der Schlüssel, die dastanden. Ein Laufzeitfehler eines Wertes
    // nennt Datei, Abschnitt und Schlüssel.
    bool lies(const QString& iniDatei, S& s, QStringList* gefunden = nullptr) const {
        return leseAbschnitt(
            iniDatei, format.abschnitt, namen(),
            [&](int i, const QString& wert) {
                const Schluessel<S>& k = schluessel[size_t(i)];
                if (gefunden && !gefunden->contains(k.name))
                    *gefunden << k.name;
                try {
                    k.lies(s, wert);
                } catch (const Laufzeitfehler& f) {
                    throw Laufzeitfehler(f.nummer(), f.text(),
                                         QFileInfo(iniDatei).fileName() + QStringLiteral(" [") +
                                             format.abschnitt + QStringLiteral("] ") + k.name +
                                             QLatin1Char('=') + wert);
                }
            },
            bisDateiende);
    }
    Schluesselzeilen zeilen(const S& s) const {
        Schluesselzeilen z;
        for (const Schluessel<S>& k : schluessel)
            z.emplace_back(k.name, k.schreibe(s));
        return z;
    }
    void schreibe(const QString& iniDatei, const S& s) const {
        schreibeAbschnitt(iniDatei, format, zeilen(s));
    }
};

// Bausteine der Tabellen

// an, außer der Wert ist "0"
template <typename S> Schluessel<S> schalterAusserNull(const char* name, bool S::*feld) {
    return {QString::fromUtf8(name), [feld](S& s, const QString& w) { s.*feld = w != u"0"; },
            [feld](const S& s) { return iniSchalter(s.*feld); }};
}

// an nur bei "1"
template <typename S> Schluessel<S> schalterNurEins(const char* name, bool S::*feld) {
    return {QString::fromUtf8(name), [feld](S& s, const QString& w) { s.*feld = w == u"1"; },
            [feld](const S& s) { return iniSchalter(s.*feld); }};
}

// an nur, wenn die Zahl des Wertes genau 1 ist ("1", "1.0", "1abc"; nicht "2", "1.4" oder "")
template <typename S, typename T> Schluessel<S> schalterZahlEins(const char* name, T S::*feld) {
    return {QString::fromUtf8(name),
            [feld](S& s, const QString& w) { s.*feld = T(zahlenwertBegrenzt(w) == 1.0 ? 1 : 0); },
            [feld](const S& s) { return iniSchalter(s.*feld != T(0)); }};
}

// Was mit einer Zahl außerhalb ihres Bereichs geschieht
enum class Bereich {
    Fehler,    // ein Laufzeitfehler, der Schlüssel und Wert nennt
    Begrenzen, // auf die nächste Grenze
};

// eine ganze Zahl: der Zahlenwert, gerundet
template <typename S, typename T>
Schluessel<S> ganzzahl(const char* name, T S::*feld, long long min, long long max,
                       Bereich bereich = Bereich::Fehler) {
    const QString n = QString::fromUtf8(name);
    return {n,
            [=](S& s, const QString& w) {
                // eine Zahl über dem Bereich von double ist nur eine weitere zu große
                const double z = rundeGerade(zahlenwertBegrenzt(w));
                if (z < double(min) || z > double(max)) {
                    if (bereich == Bereich::Fehler)
                        throw Laufzeitfehler(Laufzeitfehler::Ueberlauf,
                                             QStringLiteral("Wert außerhalb des Bereichs"),
                                             n + QLatin1Char('=') + w);
                    s.*feld = T(std::clamp(z, double(min), double(max)));
                    return;
                }
                s.*feld = T(z);
            },
            [feld](const S& s) { return iniGanzzahl(static_cast<long long>(s.*feld)); }};
}

// eine Zahl mit Nachkommastellen, Punkt als Dezimalzeichen
template <typename S> Schluessel<S> kommazahl(const char* name, double S::*feld) {
    return {QString::fromUtf8(name),
            [feld](S& s, const QString& w) { s.*feld = zahlenwertBegrenzt(w); },
            [feld](const S& s) { return iniZahl(s.*feld); }};
}

// ein Text, wie er steht
template <typename S> Schluessel<S> text(const char* name, QString S::*feld) {
    return {QString::fromUtf8(name), [feld](S& s, const QString& w) { s.*feld = w; },
            [feld](const S& s) { return s.*feld; }};
}

} // namespace varku
