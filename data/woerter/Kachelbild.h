#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

namespace varku {

// Das Bild einer Kategorie, aus ihrem Code: "SCH_" -> "BST_SCH.gif", "GK1M" -> "BST_GKM.gif",
// alle lauttreuen "LT.." -> "BST_LT_.gif".
QString kachelbildDerKategorie(const QString& code);

// Das Bild für eine Kachel ohne Kategorie
inline constexpr char leereKachel[] = "BST_NULL.gif";

// Die Bildnamen aus bausteine.txt ("BST_SCH.gif | sch"; "#" und leere Zeilen zählen nicht).
// Die Zeilen selbst prüft das Werkzeug, das die Bilder zeichnet.
QSet<QString> leseKachelbilder(const QByteArray& inhalt);

} // namespace varku
