// Die Zeichenkette, mit der ein Spiel startet, kann jeder von Hand tippen: der Leser muss mit
// allen Zeichen fertig werden, nie über das Ende lesen, und was er annimmt, wieder so lesen,
// wie das Rahmenprogramm es schriebe.
#include "foundation/Protokolldatei.h"
#include "foundation/Startparameter.h"

#include <cstdlib>

using namespace varku;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QString zeile =
        QString::fromUtf8(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const Startlesung l = leseStartParameter(zeile);
    if (l.ergebnis != Startlesung::Ergebnis::Gelesen)
        return 0;

    const Startparameter& p = l.parameter;
    const qsizetype n = p.SpielerName.size();
    if (n < 1 || n > 4 || p.SpielerDatei.size() != n)
        std::abort();
    for (const QString& stamm : p.SpielerDatei)
        if (!istProtokollStamm(stamm))
            std::abort();
    for (const QString& name : p.SpielerName)
        if (name.contains(u';'))
            std::abort();

    // so, wie das Rahmenprogramm sie bildet, liest sie sich gleich
    const Startlesung wieder = leseStartParameter(bildeStartParameter(p));
    const Startparameter& q = wieder.parameter;
    if (wieder.ergebnis != Startlesung::Ergebnis::Gelesen || q.RuvoFeldName != p.RuvoFeldName ||
        q.LupenFlag != p.LupenFlag || q.GwsFlag != p.GwsFlag || q.SpielerName != p.SpielerName ||
        q.SpielerDatei != p.SpielerDatei)
        std::abort();
    return 0;
}
