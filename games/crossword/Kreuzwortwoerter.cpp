#include "games/crossword/Kreuzwortwoerter.h"

namespace varku::wendomar {

QString leseParaphrase(Spielwoerter& w) {
    db::Recordset& phr = w.zugang().phr();
    if (!phr.istOffen() || phr.RecordCount() == 0 || w.rdb().Eof() || w.rdb().Bof())
        return {};
    // die Nummer so, wie die Umwandlung einer Zahl in Text sie gibt: mit einem Leerzeichen vor
    // einer Zahl ohne Vorzeichen
    const long n = w.refNr();
    const QString kriterium =
        QStringLiteral("RefNr=") + (n >= 0 ? QStringLiteral(" ") : QString()) + QString::number(n);
    if (!phr.FindFirst(kriterium))
        return {};
    return phr.feld(QStringLiteral("Paraphr")).alsText();
}

QString bildeSatzKontext(Spielwoerter& w) {
    w.bildeSatzKontext(8, true, true);
    return w.LueckenSatz;
}

} // namespace varku::wendomar
