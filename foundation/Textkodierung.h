#pragma once

#include <QByteArray>
#include <QString>

namespace varku {

// Textdateien sind UTF-8, wenn ihre Bytes gültiges UTF-8 sind, sonst Windows-1252.
enum class Kodierung { Utf8, Windows1252 };

Kodierung erkenneKodierung(const QByteArray& bytes);
// dekodiert Bytes, wie sie sind
QString dekodiere(const QByteArray& bytes, Kodierung k);
// der Text einer ganzen Datei: Kodierung erkannt, ein UTF-8-BOM am Dateianfang übergangen
QString dateiText(const QByteArray& bytes);
// Zeichen außerhalb von Windows-1252 werden zu "?"
QByteArray kodiere(const QString& text, Kodierung k);

struct Textdatei {
    QByteArray bytes;
    Kodierung kodierung = Kodierung::Utf8;
    QString text;
};

// liest eine Datei ganz als Bytes; eine fehlende Datei ist ein Laufzeitfehler, der sie nennt
QByteArray leseDatei(const QString& pfad);
// liest eine Textdatei ganz; eine fehlende Datei ist ein Laufzeitfehler, der sie nennt
Textdatei leseTextdatei(const QString& pfad);

} // namespace varku
