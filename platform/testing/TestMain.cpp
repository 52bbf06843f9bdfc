#include "platform/Anwendung.h"
#include "platform/Fensterablage.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

QtMessageHandler qtAusgabe = nullptr;

// Das kopflose System kann manches nicht (Fenster heben, Größen melden) und sagt das bei jedem
// Fenster; das verdeckt, was Tests wirklich ausgeben.
void ausgabe(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (qtAusgabe)
        qtAusgabe(art, ort, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

// Fenstertests brauchen eine Anwendung; sie läuft kopflos (QT_QPA_PLATFORM=offscreen) und hat
// dieselben Tastenregeln wie die Programme.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtAusgabe = qInstallMessageHandler(ausgabe);
    varku::Anwendung app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int ergebnis = RUN_ALL_TESTS();
    // Fenster, die ein Test stehen ließ, vor der Anwendung abbauen
    varku::entladeAlleFenster();
    return ergebnis;
}
