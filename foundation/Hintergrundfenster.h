#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace varku {

// Das Fenster hinter allen anderen, über den ganzen Bildschirm; es hat kein Verhalten.
// Jedes Programm gibt sein Bild aus dem Grafikordner und seinen Titel.
class Hintergrundfenster : public QWidget {
    Q_OBJECT
public:
    Hintergrundfenster(const QString& objektName, const QString& titel, const QString& bild);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap m_bild;
};

} // namespace varku
