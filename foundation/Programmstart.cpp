#include "foundation/Programmstart.h"

#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "platform/Anwendung.h"
#include "platform/Dienste.h"
#include "platform/Fensterablage.h"

#include <QFont>
#include <QStyleFactory>

namespace varku {

int fuehreProgrammAus(int argc, char** argv, const std::function<int()>& hauptprogramm) {
    Anwendung app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont schrift(QStringLiteral("Andika"), 11);
    QApplication::setFont(schrift);
    dienste::setzeEchteDienste();
    ProgPfad = QCoreApplication::applicationDirPath();
    Anwendung::setzeBehandlung([](const Laufzeitfehler& f) {
        static bool schonDabei = false;
        if (schonDabei) // ein Fehler beim Zeigen des Fehlers
            return;
        schonDabei = true;
        zeigeMeldung(f.meldung(), QStringLiteral("&OK"), QString(),
                     QStringLiteral("Laufzeitfehler"));
    });
    try {
        const int ergebnis = hauptprogramm();
        entladeAlleFenster();
        dienste::entferneAlle();
        return ergebnis;
    } catch (const Laufzeitfehler& f) {
        Anwendung::behandle(f);
    }
    return 1;
}

} // namespace varku
