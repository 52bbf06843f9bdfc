// Die Kategorietabelle Varku.kmp wird von Hand gepflegt: was auch darin steht, das Lesen gibt
// ganze Datensätze oder einen Laufzeitfehler, der die beschädigte Datei nennt, und die
// Lückenwörter daraus bieten jede richtige Füllung an, haben genau eine Lücke im Wort und bleiben
// im Wort; ein fehlerhaftes Kriterium ist ein Laufzeitfehler, der Varku.kmp nennt, nie ein
// Absturz.
#include "foundation/Textkodierung.h"
#include "games/wordcard/Kategorietabelle.h"
#include "games/wordcard/Lueckenwoerter.h"
#include "platform/Laufzeitfehler.h"

#include <cstdlib>
#include <memory>

using namespace varku;
using namespace varku::db;
using namespace varku::zelko;

namespace {

void pruefe(bool bedingung) {
    if (!bedingung)
        std::abort();
}

void spalte(Tabelle& t, const char* name, Spalte::Typ typ) {
    t.spalten.push_back({QString::fromLatin1(name), typ, {}, {}, {}, true});
}

// Wörter mit Großbuchstaben, Umlauten, ß, doppelten Gruppen und einem leeren
const char* const woerter[] = {"Biene", "Äpfel", "Straße", "ie", "", "Kiwi", "Bär", "äu", "Ei"};
constexpr int anzahl = int(std::size(woerter));

std::shared_ptr<const Tabelle> wortListe() {
    auto t = std::make_shared<Tabelle>();
    t->name = QStringLiteral("WortListe");
    spalte(*t, "RefNr", Spalte::Typ::Ganz);
    spalte(*t, "Wort", Spalte::Typ::Text);
    spalte(*t, "Kontext", Spalte::Typ::Text);
    spalte(*t, "KomplexInd", Spalte::Typ::Ganz);
    spalte(*t, "GWS", Spalte::Typ::Bool);
    spalte(*t, "KAT1", Spalte::Typ::Bool);
    spalte(*t, "KAT2", Spalte::Typ::Bool);
    for (int z = 0; z < anzahl; ++z) {
        const double werte[] = {double(z + 1),     0, 0, double(z % 3), 0, z % 2 ? -1.0 : 0.0,
                                z % 2 ? 0.0 : -1.0};
        for (size_t s = 0; s < t->spalten.size(); ++s) {
            Spalte& sp = t->spalten[s];
            sp.istNull.push_back(s == 2 && z % 4 == 0 ? 1 : 0);
            if (sp.typ == Spalte::Typ::Text)
                sp.texte.push_back(s == 1 ? QString::fromUtf8(woerter[z]) : QStringLiteral("der"));
            else
                sp.zahlen.push_back(werte[s]);
        }
        ++t->zeilen;
    }
    return t;
}

// Lupenstellen auch außerhalb der Wörter und mit unbekannten Kategorien
std::shared_ptr<const Tabelle> lupenStellen() {
    auto t = std::make_shared<Tabelle>();
    t->name = QStringLiteral("LupenStellen");
    spalte(*t, "RefNr", Spalte::Typ::Ganz);
    spalte(*t, "ruvo", Spalte::Typ::Ganz);
    spalte(*t, "vonPos", Spalte::Typ::Ganz);
    spalte(*t, "bisPos", Spalte::Typ::Ganz);
    for (int z = 0; z < 2 * anzahl; ++z) {
        const double werte[] = {double(z / 2 + 1), double(z % 3), double(z % 7 - 1), 2};
        for (size_t s = 0; s < 4; ++s) {
            t->spalten[s].istNull.push_back(0);
            t->spalten[s].zahlen.push_back(werte[s]);
        }
        ++t->zeilen;
    }
    return t;
}

std::shared_ptr<const Tabelle> semSynt() {
    auto t = std::make_shared<Tabelle>();
    t->name = QStringLiteral("SemSynt");
    spalte(*t, "RefNr", Spalte::Typ::Ganz);
    spalte(*t, "SatzKontext", Spalte::Typ::Text);
    spalte(*t, "Paraphr", Spalte::Typ::Text);
    for (int z = 0; z < anzahl; z += 2) {
        t->spalten[0].istNull.push_back(0);
        t->spalten[0].zahlen.push_back(z + 1);
        for (size_t s = 1; s < 3; ++s) {
            t->spalten[s].istNull.push_back(0);
            t->spalten[s].texte.push_back(QStringLiteral("Da ist @."));
        }
        ++t->zeilen;
    }
    return t;
}

void pruefeAufruf(const Lueckenwoerter& w) {
    const Luecke& l = w.aktLuecke();
    const QString richtig = l.richtigeLuecke();
    pruefe(l.vonPos >= 1 && l.Laenge >= 1 && l.vonPos - 1 + l.Laenge <= l.Wort.size());
    pruefe(w.auswahl().contains(richtig));
    QStringList ohneDoppelte = w.auswahl();
    pruefe(ohneDoppelte.removeDuplicates() == 0);
    pruefe(l.gefuellt(richtig) == l.Wort);
    pruefe(l.LueckWort.count(QLatin1Char('_')) == l.Wort.count(QLatin1Char('_')) + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static const auto wort = wortListe();
    static const auto lupe = lupenStellen();
    static const auto satz = semSynt();
    const QString text = dateiText(
        QByteArray::fromRawData(reinterpret_cast<const char*>(daten), qsizetype(groesse)));
    std::vector<Kategoriesatz> saetze;
    try {
        saetze = leseKategorieTabelle(text);
    } catch (const Laufzeitfehler& f) {
        // eine beschädigte Datei nennt sich
        pruefe(f.text() == QStringLiteral("Die Datei Varku.kmp ist beschädigt"));
        pruefe(!f.betrifft().isEmpty());
        return 0;
    }
    pruefe(!saetze.empty() && saetze.size() <= size_t(text.size()) / 7 + 1);
    int gezogen = 0;
    for (const Kategoriesatz& k : saetze) {
        pruefe(!k.KatSchluessel.isEmpty() && !k.LoesTipp.isEmpty() && !k.ErsatzPaare.empty());
        pruefe(k.zeile >= 1);
        for (const Ersatzpaar& p : k.ErsatzPaare)
            pruefe(!p.erst.isEmpty() && !p.zweit.isEmpty());
        // die Suche ist so teuer wie die Kriterien: nur die ersten Datensätze
        if (++gezogen > 4)
            break;
        try {
            Lueckenwoerter w(k, {QStringLiteral("KAT1"), QStringLiteral("KAT2")}, Recordset(wort),
                             Recordset(lupe), Recordset(satz),
                             [](int von, int bis) { return (von + bis) / 2; });
            pruefe(w.PoolAnzahlA() <= anzahl && w.PoolAnzahlB() <= anzahl);
            for (Vorrat v : {Vorrat::A, Vorrat::B}) {
                const int n = v == Vorrat::A ? w.PoolAnzahlA() : w.PoolAnzahlB();
                for (int i = 1; i <= n; ++i) {
                    pruefe(w.geheZuKandidat(i, v));
                    pruefeAufruf(w);
                }
            }
            const bool leer = w.PoolAnzahlA() + w.PoolAnzahlB() == 0;
            pruefe(w.naechsteLuecke().isEmpty() == leer);
            if (!leer)
                pruefeAufruf(w);
        } catch (const Laufzeitfehler& f) {
            // ein Kriterium, das der Parser nicht nimmt: es steht in Varku.kmp
            pruefe(f.text() == QStringLiteral("Die Datei Varku.kmp ist beschädigt"));
        }
    }
    return 0;
}
