#pragma once

#include <thread>

class QWidget;

namespace varku {

// Der Zeichenspeicher eines Fensters, schon vor dem ersten Zeigen angelegt. Das System stellt
// die Seiten eines neuen Speichers einzeln bereit, beim ersten Schreiben in jede; beim ersten
// Bild eines Fensters über den ganzen Schirm kostet das viele Millisekunden. Ein eigener Faden
// lässt sie bereitstellen, während das Programm anderes tut; der Inhalt bleibt, wie er ist.
class Zeichenspeicher {
public:
    // nur für ein Fenster mit Fläche, nicht für ein Kind in einem anderen
    explicit Zeichenspeicher(QWidget& fenster);
    ~Zeichenspeicher();
    Zeichenspeicher(const Zeichenspeicher&) = delete;
    Zeichenspeicher& operator=(const Zeichenspeicher&) = delete;

    // Wartet, bis die Seiten bereitstehen; ob das System sie alle bereitgestellt hat.
    bool warte();

private:
    std::thread m_faden;
    bool m_bereit = false;
};

} // namespace varku
