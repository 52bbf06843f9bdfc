#pragma once

#include <QLineEdit>
#include <functional>

namespace varku {

// Das Schreibfeld meldet jede getippte Taste, bevor sie ins Feld geht; auch Umlaute aus
// Tottasten und Eingabemethoden zählen, denn es zählt der eingegebene Text, nicht der
// Tastencode. Es hält eine Zeile: Eingefügtes verliert Zeilenumbrüche und Steuerzeichen.
class Schreibfeld : public QLineEdit {
    Q_OBJECT
public:
    explicit Schreibfeld(QWidget* eltern);
    // bekommt den Zeichencode (13 für Enter) und sagt, ob die Taste ins Feld darf
    std::function<bool(int)> beiTaste;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    void bereinige();
};

} // namespace varku
