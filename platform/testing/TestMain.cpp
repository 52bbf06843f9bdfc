#include "platform/Fensterablage.h"

#include <QApplication>
#include <gtest/gtest.h>

// Fenstertests brauchen eine Anwendung; sie läuft kopflos (QT_QPA_PLATFORM=offscreen).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int ergebnis = RUN_ALL_TESTS();
    // Fenster, die ein Test stehen ließ, vor der Anwendung abbauen
    varku::entladeAlleFenster();
    return ergebnis;
}
