#pragma once

#include <QString>

class QWidget;

namespace varku {

// Die schlichte Meldung des Systems: ein Text und "OK", ohne Bild und ohne das Meldungsfenster der
// Programme. Sie geht modal über die Anzeige wie jedes andere Fenster (Tests schließen sie mit
// ihrem Knopf "okBtn") und verschwindet danach.
void zeigeSystemmeldung(const QString& text, const QString& titel, QWidget* eltern);

} // namespace varku
