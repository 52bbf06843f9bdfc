// Die Protokolldateien kommen auch vom Kartenspiel und von Hand: der Zeilenleser muss mit allen
// Bytes fertig werden, und was er liest, liest er aus seinen eigenen Zeilen wieder so.
#include "foundation/Protokolldatei.h"
#include "frame/Druck.h"

#include <QBuffer>
#include <cstdlib>

using namespace varku;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const std::vector<Protokolleintrag> eintraege = leseProtokollAus(bytes);

    // Stück für Stück gelesen dieselben Nummern in derselben Folge
    {
        QByteArray kopie = bytes;
        QBuffer quelle(&kopie);
        quelle.open(QIODevice::ReadOnly);
        size_t k = 0;
        bool gleich = true;
        leseProtokollNummern(quelle, [&](int nr, bool richtig) {
            if (k >= eintraege.size() || eintraege[k].refNr != nr ||
                eintraege[k].richtig != richtig)
                gleich = false;
            ++k;
        });
        if (!gleich || k != eintraege.size())
            std::abort();
    }

    // nie mehr Einträge als Zeilen
    if (qsizetype(eintraege.size()) > bytes.count('\n') + bytes.count('\r') + 1)
        std::abort();
    QByteArray wieder;
    for (const Protokolleintrag& e : eintraege) {
        if (e.refNr < -32768 || e.refNr > 32767)
            std::abort();
        if (e.richtig && !e.eingabe.isEmpty())
            std::abort();
        if (e.eingabe.contains(u'\r') || e.eingabe.contains(u'\n'))
            std::abort();
        // "5=OK" ohne Leerzeichen ist falsch geschrieben, wird aber als "5= OK" richtig
        if (!e.richtig && e.eingabe == u"OK")
            continue;
        wieder += QByteArray::number(e.refNr) + "= " +
                  (e.richtig ? QByteArray("OK") : e.eingabe.toUtf8()) + "\r\n";
    }

    // die Zeilen, wie der Schreiber sie schriebe, geben dieselben Einträge
    const std::vector<Protokolleintrag> nochmal = leseProtokollAus(wieder);
    size_t n = 0;
    for (const Protokolleintrag& e : eintraege) {
        if (!e.richtig && e.eingabe == u"OK")
            continue;
        if (n >= nochmal.size())
            std::abort();
        const Protokolleintrag& z = nochmal[n++];
        if (z.refNr != e.refNr || z.richtig != e.richtig || z.eingabe != e.eingabe)
            std::abort();
    }
    if (n != nochmal.size())
        std::abort();

    // der Leser des Ausdrucks gibt jede Art in Dateifolge, ohne Wortdatenbank als Nummer
    ProtokollLeser leser(eintraege, QString());
    for (bool richtig : {true, false}) {
        leser.zumAnfang();
        int gelesen = 0;
        auto it = eintraege.begin();
        while (leser.leseProtokollEintrag(richtig)) {
            while (it != eintraege.end() && it->richtig != richtig)
                ++it;
            if (it == eintraege.end() || leser.protWort != QString::number(it->refNr) ||
                leser.protEingabe != (richtig ? QString() : it->eingabe) ||
                !leser.protKontext.isEmpty())
                std::abort();
            ++it;
            ++gelesen;
        }
        if (gelesen != leser.anzahl(richtig))
            std::abort();
    }
    return 0;
}
