#include "foundation/Startparameter.h"

#include "foundation/Protokolldatei.h"
#include "foundation/Zahlenwert.h"
#include "platform/Laufzeitfehler.h"

#include <cmath>

namespace varku {

namespace {

constexpr int hoechstensSpieler = 4;

// die Zahl im Wert, gerundet; -1, wenn sie keine vernünftige Spielerzahl sein kann
int spielerZahl(const QString& wert) {
    try {
        const double zahl = zahlenwert(wert);
        return std::isfinite(zahl) && std::abs(zahl) < 1e6 ? int(rundeGerade(zahl)) : -1;
    } catch (const Laufzeitfehler&) {
        return -1;
    }
}

} // namespace

QString bildeStartParameter(const Startparameter& p) {
    QString s = QStringLiteral("\"Version=4;");
    s += QStringLiteral("RuvoFeldName=") + p.RuvoFeldName + QLatin1Char(';');
    s += QStringLiteral("LupenFlag=") + p.LupenFlag + QLatin1Char(';');
    s += QStringLiteral("GwsFlag=") + (p.GwsFlag ? QStringLiteral("1") : QStringLiteral("2")) +
         QLatin1Char(';');
    s += QStringLiteral("nSpieler=") + QString::number(p.SpielerName.size()) + QLatin1Char(';');
    for (const QString& name : p.SpielerName)
        s += name + QLatin1Char(';');
    for (const QString& stamm : p.SpielerDatei)
        s += stamm + QLatin1Char(';');
    return s + QLatin1Char('"');
}

QString wertNachGleich(const QString& element) {
    const qsizetype gleich = element.indexOf(u'=');
    return gleich < 0 ? QString() : element.mid(gleich + 1);
}

bool lupeAn(const Startparameter& p) {
    return p.LupenFlag != QStringLiteral("0");
}

Startlesung leseStartParameter(const QString& kommandozeile) {
    Startlesung l;
    using E = Startlesung::Ergebnis;
    if (kommandozeile.mid(1, 7) != QStringLiteral("Version")) {
        l.ergebnis = E::KeinStartAusVarku;
        return l;
    }
    // die beiden Anführungszeichen fallen weg, was sie auch sind; gelesen wird mit einer
    // Stelle, damit viele Elemente nicht bei jedem eine Kopie des Restes kosten
    const QStringView zeile = QStringView(kommandozeile).mid(1, kommandozeile.size() - 2);
    qsizetype pos = 0;
    // das nächste Element bis zum ";"; false, wenn keines mehr abgeschlossen ist
    const auto naechstes = [&](QStringView& element) {
        const qsizetype semikolon = zeile.indexOf(u';', pos);
        if (semikolon < 0)
            return false;
        element = zeile.mid(pos, semikolon - pos);
        pos = semikolon + 1;
        return true;
    };
    Startparameter& p = l.parameter;
    int n = -1;
    QStringView element;
    while (naechstes(element)) {
        const QString wert = trimme(wertNachGleich(element.toString()));
        if (element.startsWith(u"Version=")) {
            if (wert != QStringLiteral("4")) {
                l.ergebnis = E::FalscheVersion;
                return l;
            }
        } else if (element.startsWith(u"RuvoFeldName=")) {
            p.RuvoFeldName = wert;
        } else if (element.startsWith(u"LupenFlag=")) {
            p.LupenFlag = wert;
        } else if (element.startsWith(u"GwsFlag=")) {
            p.GwsFlag = wert == QStringLiteral("1");
        } else if (element.startsWith(u"nSpieler=")) {
            n = spielerZahl(wert);
            break;
        }
    }
    if (n < 1 || n > hoechstensSpieler) {
        l.ergebnis = E::UngueltigeSpieler;
        l.grund = n < 0 ? QStringLiteral("keine Spielerzahl") : QStringLiteral("%1 Spieler").arg(n);
        return l;
    }
    // erst die Namen, dann die Stämme, jedes mit ";" beendet
    for (QStringList* liste : {&p.SpielerName, &p.SpielerDatei})
        for (int i = 0; i < n; ++i) {
            if (!naechstes(element)) {
                l.ergebnis = E::UngueltigeSpieler;
                l.grund = QStringLiteral("zu wenige Namen oder Protokolldateien");
                return l;
            }
            liste->append(element.toString());
        }
    for (const QString& stamm : p.SpielerDatei)
        if (!istProtokollStamm(stamm)) {
            l.ergebnis = E::UngueltigerStamm;
            l.grund = stamm;
            return l;
        }
    return l;
}

} // namespace varku
