// Erzeugt beim Bau die Bilder des Programmordners:
//   varku_bilder <grafikordner> <bausteine.txt>

#include "data/grafik/Bausteine.h"
#include "data/grafik/Bilder.h"
#include "data/grafik/Computerbild.h"
#include "data/grafik/Farbreduktion.h"
#include "data/grafik/GifSchreiber.h"
#include "data/grafik/Joker.h"
#include "data/grafik/Kachel.h"
#include "data/grafik/Kachelfarben.h"
#include "data/grafik/PngSchreiber.h"
#include "data/grafik/Rad.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

using namespace varku;

namespace {

// GIF kennt nur ganz durchsichtig oder deckend; Kanten auf den hellen Fenstergrund mischen
const QColor kantenGrund(0xe4, 0xf0, 0xf6);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream fehler(stderr);

    const QStringList argumente = app.arguments();
    if (argumente.size() != 3) {
        fehler << "Aufruf: varku_bilder <grafikordner> <bausteine.txt>\n";
        return 2;
    }
    const QDir ordner(argumente[1]);
    if (!ordner.mkpath(QStringLiteral("."))) {
        fehler << "varku_bilder: Ordner nicht anlegbar: " << argumente[1] << "\n";
        return 1;
    }
    if (!ladeKachelSchrift())
        fehler << "varku_bilder: Schrift Andika fehlt, nehme Ersatzschrift\n";

    BausteinListe liste = leseBausteinDatei(argumente[2]);
    for (const QString& f : liste.fehler)
        fehler << argumente[2] << ": " << f << "\n";
    if (!liste.fehler.isEmpty())
        return 1;

    bool mitLeerer = false;
    QStringList dateien;
    for (const Baustein& b : liste.bausteine) {
        dateien.append(b.datei);
        mitLeerer = mitLeerer || istLeereKachel(b.datei);
    }
    if (!mitLeerer) {
        liste.bausteine.prepend({QStringLiteral("BST_NULL.gif"), QStringLiteral("?")});
        dateien.prepend(QStringLiteral("BST_NULL.gif"));
    }

    int fehlschlaege = 0;
    const QList<QColor> farben = kachelFarben(dateien);
    for (int i = 0; i < liste.bausteine.size(); ++i) {
        const Baustein& b = liste.bausteine[i];
        const QImage kachel = mitHarterKante(kachelBild(b.text, farben[i]), kantenGrund);
        if (!schreibeGif(kachel, ordner.filePath(b.datei))) {
            fehler << "varku_bilder: nicht geschrieben: " << ordner.filePath(b.datei) << "\n";
            ++fehlschlaege;
        }
    }

    QList<std::pair<QString, QImage>> bilder = {
        {QStringLiteral("VarkuLogo.png"), varkuLogo()},
        {QStringLiteral("VarkuHintergrund.png"), varkuHintergrund()},
        {QStringLiteral("Willkommen.png"), willkommenBild()},
        {QStringLiteral("InfoBild.png"), infoBild()},
        {QStringLiteral("VarkLogo.png"), druckLogo()},
        {QStringLiteral("MorloLogo.png"), verlagLogo()},
        {radMarkeName(), radMarke()},
        {computerBildName(), computerBild()},
    };
    for (int i = 0; i < radFelder; ++i)
        bilder.append({radBildName(i), radBild(i)});
    for (int nr = 1; nr <= jokerAnzahl; ++nr)
        bilder.append({jokerBildName(nr), jokerBild(nr)});
    for (const auto& [name, bild] : bilder) {
        const QString pfad = ordner.filePath(name);
        // alle werden beim Start eines Programms gelesen: schnell zu lesen
        if (!schreibeSchnellesPng(bild, pfad)) {
            fehler << "varku_bilder: nicht geschrieben: " << pfad << "\n";
            ++fehlschlaege;
        }
    }
    return fehlschlaege == 0 ? 0 : 1;
}
