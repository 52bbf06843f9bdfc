#include "foundation/Schreibfeld.h"

#include "foundation/Texte.h"
#include "platform/Rand.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace varku {

Schreibfeld::Schreibfeld(QWidget* eltern) : QLineEdit(eltern) {
    setObjectName(QStringLiteral("SchreibenTextfeld"));
    verbinde(this, &QLineEdit::textChanged, this, &Schreibfeld::bereinige);
}

void Schreibfeld::keyPressEvent(QKeyEvent* e) {
    const QString text = e->text();
    if (!text.isEmpty() && !isReadOnly() && beiTaste) {
        const int code = text.at(0).unicode();
        if (!amRandOder(false, [&] { return beiTaste(code); }))
            return;
    }
    QLineEdit::keyPressEvent(e);
}

void Schreibfeld::inputMethodEvent(QInputMethodEvent* e) {
    if (!e->commitString().isEmpty() && !isReadOnly() && beiTaste)
        amRand([&] { beiTaste(e->commitString().at(0).unicode()); });
    QLineEdit::inputMethodEvent(e);
}

void Schreibfeld::bereinige() {
    const QString t = text();
    const QString sauber = bereinigeEingabe(t);
    if (sauber == t)
        return;
    // die Schreibmarke bleibt hinter dem, was vor ihr stand
    const int marke = int(bereinigeEingabe(t.left(cursorPosition())).size());
    setText(sauber);
    setCursorPosition(marke);
}

} // namespace varku
