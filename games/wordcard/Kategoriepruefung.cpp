#include "games/wordcard/Kategoriepruefung.h"

#include <initializer_list>

namespace varku::zelko {

namespace {

// Wörter mit mehr als einer richtigen Schreibung im Wörterbuch, je Zeile alle Schreibungen eines
// Wortes. Die österreichischen Formen (Spass, Pijama) zählen mit: ein Kind in Wien schreibt sie
// richtig.
const std::initializer_list<std::initializer_list<const char*>> schreibungen = {
    {"Foto", "Photo"},
    {"Fotografie", "Photographie"},
    {"Delfin", "Delphin"},
    {"Portmonee", "Portemonnaie"},
    {"Ketchup", "Ketschup"},
    {"Joghurt", "Jogurt", "Yoghurt"},
    {"Spaghetti", "Spagetti"},
    {"Panther", "Panter"},
    {"Grafik", "Graphik"},
    {"Grafit", "Graphit"},
    {"Thunfisch", "Tunfisch"},
    {"Mayonnaise", "Majonäse"},
    {"Geografie", "Geographie"},
    {"Biografie", "Biographie"},
    {"Orthografie", "Orthographie"},
    {"Paragraf", "Paragraph"},
    {"Fantasie", "Phantasie"},
    {"Friseur", "Frisör"},
    {"Yacht", "Jacht"},
    {"Yoga", "Joga"},
    {"Yogi", "Jogi"},
    {"Saxofon", "Saxophon"},
    {"Xylofon", "Xylophon"},
    {"Mikrofon", "Mikrophon"},
    {"Megafon", "Megaphon"},
    {"Grammofon", "Grammophon"},
    {"Sinfonie", "Symphonie"},
    {"Spaß", "Spass"},
    {"Pyjama", "Pijama"},
    {"Praline", "Praliné", "Pralinee"},
    {"Büfett", "Buffet"},
    {"Soße", "Sauce"},
    {"Ghetto", "Getto"},
    {"Nugat", "Nougat"},
    {"Cousine", "Kusine"},
    {"Shrimp", "Schrimp"},
    {"Exposee", "Exposé"},
    {"Varietee", "Varieté"},
    {"selbstständig", "selbständig"},
    {"aufwendig", "aufwändig"},
    {"Albtraum", "Alptraum"},
};

// Vorn oder hinten in einer Zusammensetzung zählen nur längere Wörter: "Ski" steckt auch in
// "Skizze", ohne dass Schizze richtig wäre.
constexpr qsizetype kuerzesterTeil = 4;

QString kleinVorn(QString s) {
    if (!s.isEmpty())
        s[0] = s.at(0).toLower();
    return s;
}

} // namespace

QStringList andereSchreibungen(const QString& wort) {
    QStringList andere;
    const auto nimm = [&andere, &wort](const QString& s) {
        if (s.compare(wort, Qt::CaseInsensitive) != 0 && !andere.contains(s))
            andere << s;
    };
    for (const auto& gruppe : schreibungen) {
        for (const char* form : gruppe) {
            const QString a = QString::fromUtf8(form);
            for (const char* zweite : gruppe) {
                const QString b = QString::fromUtf8(zweite);
                if (a == b)
                    continue;
                if (wort.compare(a, Qt::CaseInsensitive) == 0)
                    nimm(b);
                else if (a.size() >= kuerzesterTeil && wort.size() > a.size() &&
                         wort.startsWith(a, Qt::CaseInsensitive))
                    nimm(b + wort.mid(a.size()));
                else if (a.size() >= kuerzesterTeil && wort.size() > a.size() &&
                         wort.endsWith(a, Qt::CaseInsensitive))
                    nimm(wort.left(wort.size() - a.size()) + kleinVorn(b));
            }
        }
    }
    return andere;
}

QStringList fehlerDesAufrufs(const Luecke& l, const QStringList& auswahl) {
    QStringList fehler;
    const QString richtig = l.richtigeLuecke();
    if (!auswahl.contains(richtig))
        fehler << l.Wort + QStringLiteral(": die richtige Füllung fehlt");
    if (auswahl.size() < 2)
        fehler << l.Wort + QStringLiteral(": nur eine Füllung");
    const QStringList andere = andereSchreibungen(l.Wort);
    for (const QString& f : auswahl) {
        if (f == richtig)
            continue;
        const QString geschrieben = l.gefuellt(f);
        for (const QString& a : andere)
            if (geschrieben.compare(a, Qt::CaseInsensitive) == 0)
                fehler << l.Wort +
                              QStringLiteral(": „%1“ ist auch richtig geschrieben, die Füllung "
                                             "„%2“ darf nicht angeboten werden")
                                  .arg(geschrieben, f);
    }
    return fehler;
}

} // namespace varku::zelko
