#include "platform/Tabelle.h"

#include <QFileInfo>

namespace varku::db {

int Tabelle::spaltenIndex(const QString& feld) const {
    for (size_t i = 0; i < spalten.size(); ++i)
        if (spalten[i].name.compare(feld, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const Spalte& Tabelle::spalte(int i) const {
    Spalte& s = spalten[size_t(i)];
    if (!s.geladen && quelle) {
        quelle->lade(s, zeilen);
        s.geladen = true;
    }
    return s;
}

Wert Tabelle::wert(int i, int zeile) const {
    const Spalte& s = spalte(i);
    if (s.istNull[size_t(zeile)])
        return Wert::null();
    switch (s.typ) {
    case Spalte::Typ::Bool:
        return Wert{Wert::Art::Bool, s.zahlen[size_t(zeile)], {}};
    case Spalte::Typ::Ganz:
    case Spalte::Typ::Gleit:
        return Wert::von(s.zahlen[size_t(zeile)]);
    case Spalte::Typ::Text:
        return Wert::von(s.texte[size_t(zeile)]);
    }
    return Wert::null();
}

QString Tabelle::herkunft() const {
    if (datei.isEmpty())
        return name;
    return QFileInfo(datei).fileName() + QStringLiteral(": ") + name;
}

} // namespace varku::db
