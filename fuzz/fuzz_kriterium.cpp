// Kriterien kommen aus dem Programm und aus der Kategorientabelle: jeder Text darf höchstens
// einen Laufzeitfehler geben, nie einen Absturz oder eine Endlosschleife.
#include "platform/Kriterium.h"
#include "platform/Laufzeitfehler.h"

#include <cstdlib>

using namespace varku;
using namespace varku::db;

namespace {

const Tabelle& tabelle() {
    static const Tabelle t = [] {
        Tabelle t;
        t.name = QStringLiteral("WortListe");
        const auto spalte = [&](const char* name, Spalte::Typ typ) {
            t.spalten.push_back({QString::fromLatin1(name), typ, {}, {}, {}, true});
        };
        spalte("RefNr", Spalte::Typ::Ganz);
        spalte("Wort", Spalte::Typ::Text);
        spalte("Kontext", Spalte::Typ::Text);
        spalte("LIP_", Spalte::Typ::Bool);
        spalte("Anteil", Spalte::Typ::Gleit);
        const char* woerter[] = {"Igel", "", " Straße ", "a*b?c#[x]"};
        for (int z = 0; z < 4; ++z) {
            for (Spalte& s : t.spalten) {
                const bool null = (z == 3 && s.name != QLatin1String("Wort"));
                s.istNull.push_back(null ? 1 : 0);
                if (s.typ == Spalte::Typ::Text)
                    s.texte.push_back(QString::fromUtf8(woerter[z]));
                else
                    s.zahlen.push_back(z == 1 ? -1.0 : z * 7.5);
            }
            ++t.zeilen;
        }
        return t;
    }();
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    try {
        const Kriterium k(text, tabelle());
        for (int z = 0; z < tabelle().zeilen; ++z) {
            try {
                const Wert w = k.werte(z);
                if (k.trifftZu(z) != w.wahr())
                    std::abort();
            } catch (const Laufzeitfehler& f) {
                // beim Auswerten nur unverträgliche Arten oder Division durch Null
                if (f.nummer() != 3464 && f.nummer() != Laufzeitfehler::DivisionDurchNull)
                    std::abort();
            }
        }
    } catch (const Laufzeitfehler& f) {
        if (f.nummer() != Laufzeitfehler::Kriterium &&
            f.nummer() != Laufzeitfehler::UnbekanntesFeld)
            std::abort();
        if (f.betrifft() != text)
            std::abort(); // der Fehler nennt das Kriterium
    }
    // das Muster allein
    const qsizetype mitte = text.size() / 2;
    (void)passtZuMuster(QStringView(text).left(mitte), QStringView(text).mid(mitte));
    return 0;
}
