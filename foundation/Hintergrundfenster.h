#pragma once

#include "foundation/Hintergrundbild.h"
#include "platform/Zeichenspeicher.h"

#include <QString>
#include <QWidget>
#include <future>
#include <optional>
#include <thread>

namespace varku {

// Das Fenster hinter allen anderen, über den ganzen Bildschirm; es hat kein Verhalten.
// Jedes Programm gibt sein Bild aus dem Grafikordner und seinen Titel.
// Das Bild wird in einem eigenen Faden geholt, schon in der Größe des Fensters (siehe
// Hintergrundbild), während das Programm seine ersten Fenster baut; gezeichnet wird dann ohne
// Skalieren.
class Hintergrundfenster : public QWidget {
    Q_OBJECT
public:
    Hintergrundfenster(const QString& objektName, const QString& titel, const QString& bild);
    ~Hintergrundfenster() override;

    // Wartet, bis das gezeigte Fenster sein erstes Bild gemalt hat (längstens kurz), und nimmt
    // solange keine Eingaben an: was danach gebaut wird, steht nicht vor dem ersten Bild an.
    void warteAufErstesBild();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::future<Hintergrundbild> m_laden;
    std::promise<void> m_gezeichnet; // erst danach legt der Faden ein neu gerechnetes Bild ab,
    std::promise<void> m_ende;       // eine Sekunde später oder wenn das Fenster geht
    std::thread m_faden;             // holt das Bild und legt ein neu gerechnetes danach ab
    Hintergrundbild m_bild;          // in Bildpunkten des Schirms
    std::optional<Zeichenspeicher> m_speicher;
    bool m_gemalt = false;

signals:
    void gemalt();
};

} // namespace varku
