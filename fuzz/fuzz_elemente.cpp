// Der Elementleser liest jede Textdatei des Systems: er muss mit allen Bytes fertig werden.
#include "foundation/ElementLeser.h"
#include "foundation/Textkodierung.h"

#include <cstdlib>

using namespace varku;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const Kodierung k = erkenneKodierung(bytes);
    const QString text = dekodiere(bytes, k);

    // elementweise und zeilenweise gelesen ergibt dieselben Elemente
    const QStringList alle = alleElemente(text);
    ElementLeser zeilen(text);
    QStringList ausZeilen;
    while (!zeilen.amEnde())
        ausZeilen += zeilen.restDerZeile();
    // das letzte Element nach einem Komma am Dateiende liest nur das Zeilenlesen
    if (ausZeilen.size() != alle.size() && ausZeilen.size() != alle.size() + 1)
        std::abort();
    for (qsizetype i = 0; i < alle.size(); ++i)
        if (alle.at(i) != ausZeilen.at(i))
            std::abort();
    for (const QString& e : alle)
        if (e.contains(u'\n') || e.contains(u'\r'))
            std::abort();

    // die Zeilen aneinandergefügt sind wieder die Bytes
    QByteArray wieder;
    for (const RohZeile& z : zerlegeInZeilen(bytes))
        wieder += z.inhalt + z.ende;
    if (wieder != bytes)
        std::abort();

    // Windows-1252 geht verlustfrei hin und zurück
    if (kodiere(dekodiere(bytes, Kodierung::Windows1252), Kodierung::Windows1252) != bytes)
        std::abort();
    return 0;
}
