// Der Elementleser liest jede Textdatei des Systems: er muss mit allen Bytes fertig werden.
#include "foundation/ElementLeser.h"
#include "foundation/Textkodierung.h"

#include <QStringDecoder>
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

    // die Zeilen aneinandergefügt sind wieder die Bytes, und ihre Lage stimmt
    QByteArray wieder;
    qsizetype ab = 0;
    for (const RohZeile& z : zerlegeInZeilen(bytes)) {
        const ZeilenLage lage = zeileAb(bytes, ab);
        if (lage.anfang != ab || lage.laenge != z.inhalt.size() || lage.endeLaenge != z.ende.size())
            std::abort();
        if (z.inhalt.contains('\n') || z.inhalt.contains('\r'))
            std::abort();
        wieder += z.inhalt + z.ende;
        ab = lage.naechste();
    }
    if (wieder != bytes)
        std::abort();

    // die Kodierung wird in Stücken erkannt: wie beim Dekodieren am Stück
    QStringDecoder ganz(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString alsUtf8 = ganz.decode(bytes); // erst als Text wird wirklich dekodiert
    if ((k == Kodierung::Utf8) == ganz.hasError())
        std::abort();

    // Windows-1252 geht verlustfrei hin und zurück
    if (kodiere(dekodiere(bytes, Kodierung::Windows1252), Kodierung::Windows1252) != bytes)
        std::abort();
    return 0;
}
