#include "HilfeKontext.h"

#include "Dienste.h"
#include "Global.h"
#include "MldFenster.h"

#include <QFileInfo>
#include <array>

namespace varku {

long HilfeKontext = 0;

namespace {

// Die 52 Kategorien in 12 Gruppen: erste Nummer der Gruppe und ihr erster Kontext.
struct Gruppe {
    int erste;
    long kontext;
};
constexpr std::array<Gruppe, 12> gruppen = {{{1, 1001},
                                             {11, 1101},
                                             {18, 1201},
                                             {21, 1301},
                                             {26, 1401},
                                             {28, 1501},
                                             {31, 1601},
                                             {34, 1703}, // diese Gruppe beginnt bei 1703
                                             {40, 1801},
                                             {42, 1901},
                                             {47, 2001},
                                             {50, 2101}}};

} // namespace

long hilfeKontextFuer(int nummer, long bisher) {
    if (nummer < 1 || nummer > 52)
        return bisher;
    for (size_t g = gruppen.size(); g-- > 0;)
        if (nummer >= gruppen[g].erste)
            return gruppen[g].kontext + (nummer - gruppen[g].erste);
    return bisher;
}

void setzeHilfeKontext() {
    HilfeKontext = hilfeKontextFuer(UebNr, HilfeKontext);
}

void oeffneHilfe(const QString& datei, int befehl, long kontext) {
    if (dienste::hilfe().oeffne(imProgrammordner(datei), befehl, kontext))
        return;
    Meldungstext = QStringLiteral("Die Hilfedatei ") + QFileInfo(datei).fileName() +
                   QStringLiteral("\rist auf diesem Computer nicht vorhanden.");
    zeigeMeldung(Meldungstext, QStringLiteral("&OK"), QString(), QStringLiteral("Hilfe"));
}

void schliesseHilfe(const QString& datei) {
    dienste::hilfe().schliesseAlle(imProgrammordner(datei));
}

void zeigeHilfeZumSchwerpunkt() {
    oeffneHilfe(QStringLiteral("Ruvo.chm"), HilfeEngine::Kontext, HilfeKontext);
}

} // namespace varku
