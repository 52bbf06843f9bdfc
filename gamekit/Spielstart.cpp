#include "gamekit/Spielstart.h"

#include "foundation/Global.h"
#include "foundation/Protokolldatei.h"
#include "foundation/Schwerpunktliste.h"
#include "foundation/Spielzeit.h"

#include <QFileInfo>

namespace varku {

QString nurAusVarkuMeldung() {
    return QStringLiteral("Dieses Spiel lässt sich nur aus\r"
                          "der Spieleliste von VARKU starten.\r"
                          "Starte bitte VARKU und wähle\r"
                          "das Spiel dort aus.");
}

Startpruefung pruefeStart(const QString& kommandozeile, const Spielkonfiguration& k) {
    Startpruefung p;
    const Startlesung l = leseStartParameter(kommandozeile);
    using E = Startlesung::Ergebnis;
    switch (l.ergebnis) {
    case E::KeinStartAusVarku:
        p.meldung = nurAusVarkuMeldung();
        return p;
    case E::FalscheVersion:
        p.meldung = k.versionsMeldung().join(QLatin1Char('\r'));
        return p;
    case E::UngueltigeSpieler:
    case E::UngueltigerStamm:
        p.meldung = QStringLiteral("Die Angaben zu den Spielern sind nicht\rin Ordnung (") +
                    l.grund + QStringLiteral(").\r") + k.name +
                    QStringLiteral(" lässt sich nur aus VARKU starten.");
        return p;
    case E::Gelesen:
        break;
    }
    const Uebungsschwerpunkt s = leseUebungsschwerpunkt(
        imProgrammordner(QStringLiteral("Varku.tsp")), l.parameter.RuvoFeldName);
    if (!s.gefunden) {
        p.meldung = QStringLiteral("Den Übungsschwerpunkt <") + l.parameter.RuvoFeldName +
                    QStringLiteral(">\rgibt es in der Datei Varku.tsp nicht.");
        return p;
    }
    const QString userPfad = imProgrammordner(QStringLiteral("User"));
    if (k.schreibtProtokolle) {
        // ein Spiel, das an die Protokolle anhängt, legt keines an: das tut nur VARKU
        for (qsizetype i = 0; i < l.parameter.SpielerDatei.size(); ++i) {
            if (QFileInfo::exists(protokollPfad(userPfad, l.parameter.SpielerDatei[i])))
                continue;
            p.meldung = QStringLiteral("Die Protokolldatei von ") +
                        l.parameter.SpielerName.value(i) + QStringLiteral(" fehlt.\r") + k.name +
                        QStringLiteral(" lässt sich nur aus VARKU starten.");
            return p;
        }
    }
    p.angenommen = true;
    p.daten.parameter = l.parameter;
    p.daten.UserPfad = userPfad;
    p.daten.energieSchritt = leseEnergieSchritt(imProgrammordner(QStringLiteral("Varku.ini")));
    p.daten.UebNr = s.UebNr;
    p.daten.UebTitel = s.UebTitel;
    return p;
}

} // namespace varku
