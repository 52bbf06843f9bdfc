#include "games/crossword/MainFrm.h"

#include "foundation/Routinen.h"

namespace varku::wendomar {

Spielkonfiguration MainFrm::konfiguration() {
    Spielkonfiguration k;
    k.name = QStringLiteral("Wendomar");
    k.hintergrundBild = QStringLiteral("VarkuHintergrund.png");
    // "ProgrammStart" spielt der Start, bevor das Fenster kommt
    k.startKlangBeimStart = true;
    // die Umschreibung und der Beispielsatz der Lösungshilfe
    k.wortTabellen = WortTabellen{false, true, false};
    k.maxWortLaenge = hoechstensBuchstaben;
    return k;
}

MainFrm::MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s)
    : Spielfenster(k, s),
      gitter(woerter.rdb(), [](int von, int bis) { return int(zufallszahl(von, bis)); }) {
    brett = new Kreuzwortbrett(gitter, this);
    setzeSpielbrett(brett);
    ablauf.bindeEinstellungen(Einstellungsbindung(wendomarAbschnitt(), einst));
    lade();
}

void MainFrm::ladeSpiel() {
    neuesBrett();
}

void MainFrm::neuesSpiel() {
    neuesBrett();
}

void MainFrm::neuesBrett() {
    gitter.neuesBrett();
    if (!gitter.ersterWort(woerter.FehlerListe)) {
        ablauf.ohneWoerterEnde();
        return;
    }
    // das Brett zeigt das erste Wort gelegt; Steine legen kann man darauf noch nicht
    gitter.setzeWortInsGitter();
    brett->update();
}

} // namespace varku::wendomar
