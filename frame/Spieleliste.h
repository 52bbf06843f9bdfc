#pragma once

#include <QString>
#include <QStringList>

namespace varku {

// Die Spiele aus [Spiele]: jede Zeile, deren erste fünf Zeichen "Spiel" sind, nennt eines;
// der Wert ist der Name seines Programms im Programmordner. MaximaleSpielDauer ist kein Spiel.
QStringList leseSpieleListe(const QString& iniText);

// Ein Name, der auf ein Programm außerhalb des Programmordners zeigen könnte ("/", "\", ".."),
// gilt wie ein leerer Eintrag.
bool istSpielname(const QString& name);

} // namespace varku
