// Zeichnet beim Bau das Symbol von VARKU für das Menü des Schreibtischs, in den üblichen Größen:
//   varku_symbole <ordner>   schreibt <ordner>/<n>x<n>/apps/varku.png

#include "data/grafik/Bilder.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

using namespace varku;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream fehler(stderr);
    const QStringList argumente = app.arguments();
    if (argumente.size() != 2) {
        fehler << "Aufruf: varku_symbole <ordner>\n";
        return 2;
    }
    int fehlschlaege = 0;
    for (int kante : {16, 32, 48, 64, 128, 256}) {
        const QString groesse = QStringLiteral("%1x%1").arg(kante);
        const QDir ordner(argumente[1] + QLatin1Char('/') + groesse + QStringLiteral("/apps"));
        const QString pfad = ordner.filePath(QStringLiteral("varku.png"));
        if (!ordner.mkpath(QStringLiteral(".")) || !programmSymbol(kante).save(pfad, "PNG")) {
            fehler << "varku_symbole: nicht geschrieben: " << pfad << "\n";
            ++fehlschlaege;
        }
    }
    return fehlschlaege == 0 ? 0 : 1;
}
