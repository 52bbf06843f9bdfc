// Der Maßstab für den Start: ein leeres Qt-Hauptfenster mit Menüleiste, sonst nichts. Schneller
// kann kein Programm auf dem Werkzeugkasten sein erstes Fenster zeigen.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Leer"));
    fenster.menuBar()->addMenu(QStringLiteral("&Datei"));
    fenster.resize(640, 480);
    fenster.show();
    return app.exec();
}
