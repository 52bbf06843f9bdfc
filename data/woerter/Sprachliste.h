#pragma once

#include "data/woerter/Wortdatei.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace varku {

// Was espeak-ng für ein Wort spricht: der Artikel, dann die Umschrift oder das Wort
QString sprechText(const Worteintrag& e);

// Eine Zeile je Wort "WaveDat<TAB>Text", UTF-8, in der Reihenfolge der Wörter
QByteArray sprachliste(const QList<Worteintrag>& woerter);

// schreibt die Liste über eine neue Datei, die die alte ersetzt; leer oder der Grund
QString schreibeSprachliste(const QString& ziel, const QList<Worteintrag>& woerter);

} // namespace varku
