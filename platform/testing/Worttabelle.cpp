#include "platform/testing/Worttabelle.h"

namespace varku::test {

db::Recordset worttabelle(const QStringList& woerter) {
    auto t = std::make_shared<db::Tabelle>();
    t->name = QStringLiteral("WortListe");
    db::Spalte ref{QStringLiteral("RefNr"), db::Spalte::Typ::Ganz, {}, {}, {}};
    db::Spalte wort{QStringLiteral("Wort"), db::Spalte::Typ::Text, {}, {}, {}};
    for (qsizetype i = 0; i < woerter.size(); ++i) {
        ref.zahlen.push_back(double(i + 1));
        ref.istNull.push_back(0);
        wort.texte.push_back(woerter[i]);
        wort.istNull.push_back(0);
    }
    t->spalten = {ref, wort};
    t->zeilen = int(woerter.size());
    return db::Recordset(t);
}

} // namespace varku::test
