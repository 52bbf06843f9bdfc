#include "data/woerter/Kategorienliste.h"

#include "foundation/ElementLeser.h"
#include "foundation/Textkodierung.h"

#include <QHash>

namespace varku {

namespace {

const QLatin1String ueberschriftMarke(">>>");

bool istGueltigerCode(const QString& code) {
    if (code.size() != 4)
        return false;
    for (const QChar z : code) {
        const char16_t u = z.unicode();
        const bool ok = (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') ||
                        (u >= u'0' && u <= u'9') || u == u'_';
        if (!ok)
            return false;
    }
    return true;
}

// die festen Spalten der Tabelle WortListe; Spaltennamen unterscheiden keine Schreibung
const QStringList festeSpalten = {QStringLiteral("RefNr"),      QStringLiteral("Wort"),
                                  QStringLiteral("Kontext"),    QStringLiteral("WaveDat"),
                                  QStringLiteral("KomplexInd"), QStringLiteral("GWS")};

class Listenpruefer {
public:
    explicit Listenpruefer(Kategorienliste& liste) : m_liste(liste) {}

    void lies(const QString& text);
    void pruefeAufbau();

private:
    void fehler(int zeile, const QString& text) {
        m_liste.fehler.append({m_liste.name, zeile, text});
    }
    void pruefeCode(const Kategorie& k);
    QList<Kategorie> kategorienDerSeite(int seite) const;

    Kategorienliste& m_liste;
    QHash<QString, int> m_codeZeilen; // klein geschrieben -> Zeile
};

void Listenpruefer::lies(const QString& text) {
    ElementLeser leser(text);
    int zeile = 0;
    bool erster = true;
    while (!leser.amEnde()) {
        ++zeile;
        const QStringList teile = leser.restDerZeile();
        if (teile.size() == 1 && teile[0].trimmed().isEmpty())
            continue;
        const QString titel = teile[0].trimmed();
        const bool istUeberschrift = titel.contains(ueberschriftMarke);
        if (erster && !istUeberschrift)
            fehler(zeile, QStringLiteral("der erste Eintrag muss eine Überschrift '>>> ...' sein"));
        erster = false;
        const bool zweiTeile = teile.size() == 2;
        if (teile.size() == 1)
            fehler(zeile, QStringLiteral("Code fehlt: Titel,CODE erwartet"));
        else if (!zweiTeile)
            fehler(zeile, QStringLiteral("%1 Einträge statt zwei: Titel,CODE (ein Komma im Titel "
                                         "braucht Anführungszeichen)")
                              .arg(teile.size()));
        if (titel.isEmpty())
            fehler(zeile, QStringLiteral("Titel fehlt"));
        if (istUeberschrift) {
            if (!titel.startsWith(ueberschriftMarke))
                fehler(zeile, QStringLiteral("Überschrift muss mit '>>>' beginnen"));
            m_liste.ueberschriftZeilen.append(zeile);
            continue;
        }
        // auch ein kaputter Eintrag zählt mit, sonst folgen falsche Seitengrößen
        Kategorie k;
        k.titel = titel;
        k.code = teile.size() > 1 ? teile.last().trimmed() : QString();
        k.seite = int(m_liste.ueberschriftZeilen.size()) - 1;
        k.ruvo = int(m_liste.kategorien.size()) + 1;
        k.zeile = zeile;
        if (zweiTeile)
            pruefeCode(k);
        m_liste.kategorien.append(k);
    }
}

void Listenpruefer::pruefeCode(const Kategorie& k) {
    const QString klein = k.code.toLower();
    for (const QString& spalte : festeSpalten) {
        if (spalte.toLower() == klein)
            fehler(k.zeile,
                   QStringLiteral("Code %1 fällt mit der Spalte %2 zusammen").arg(k.code, spalte));
    }
    if (!istGueltigerCode(k.code)) {
        fehler(
            k.zeile,
            QStringLiteral("Code '%1' hat nicht genau 4 Zeichen aus A-Z, a-z, 0-9, _").arg(k.code));
        return;
    }
    if (m_codeZeilen.contains(klein))
        fehler(k.zeile, QStringLiteral("Code %1 steht schon in Zeile %2 (Groß- und "
                                       "Kleinschreibung zählen nicht)")
                            .arg(k.code)
                            .arg(m_codeZeilen.value(klein)));
    else
        m_codeZeilen.insert(klein, k.zeile);
}

QList<Kategorie> Listenpruefer::kategorienDerSeite(int seite) const {
    QList<Kategorie> auswahl;
    for (const Kategorie& k : m_liste.kategorien)
        if (k.seite == seite)
            auswahl.append(k);
    return auswahl;
}

void Listenpruefer::pruefeAufbau() {
    const int seiten = int(m_liste.ueberschriftZeilen.size());
    if (seiten != int(kategorienJeSeite.size()))
        fehler(
            0,
            QStringLiteral("%1 Überschriften statt %2").arg(seiten).arg(kategorienJeSeite.size()));
    if (m_liste.kategorien.size() != anzahlKategorien)
        fehler(0, QStringLiteral("%1 Kategorien statt %2")
                      .arg(m_liste.kategorien.size())
                      .arg(anzahlKategorien));

    for (int s = 0; s < seiten && s < int(kategorienJeSeite.size()); ++s) {
        const int zeile = m_liste.ueberschriftZeilen[s];
        const QList<Kategorie> auswahl = kategorienDerSeite(s);
        if (auswahl.size() != kategorienJeSeite[s])
            fehler(zeile, QStringLiteral("Seite %1 hat %2 Kategorien statt %3")
                              .arg(s)
                              .arg(auswahl.size())
                              .arg(kategorienJeSeite[s]));
        if (s == 0) {
            for (const Kategorie& k : auswahl)
                if (!k.code.startsWith(QLatin1String("LT")))
                    fehler(k.zeile,
                           QStringLiteral("Code %1 auf Seite 0 beginnt nicht mit LT").arg(k.code));
        }
        if (s == 11) {
            QStringList codes;
            for (const Kategorie& k : auswahl)
                codes.append(k.code);
            const QStringList grossschreibung = {QStringLiteral("GK1M"), QStringLiteral("GK2M"),
                                                 QStringLiteral("GK3M")};
            if (codes != grossschreibung)
                fehler(zeile, QStringLiteral("Seite 11 muss die Codes GK1M, GK2M, GK3M haben, "
                                             "hat: %1")
                                  .arg(codes.join(QStringLiteral(", "))));
        }
    }

    bool mitLip = false;
    for (const Kategorie& k : m_liste.kategorien)
        mitLip = mitLip || k.code == QLatin1String("LIP_");
    if (!mitLip)
        fehler(0, QStringLiteral("Code LIP_ fehlt"));
}

} // namespace

Kategorienliste leseKategorienliste(const QByteArray& inhalt, const QString& name) {
    Kategorienliste liste;
    liste.name = name;
    Listenpruefer pruefer(liste);
    pruefer.lies(dekodiere(inhalt, erkenneKodierung(inhalt)));
    pruefer.pruefeAufbau();
    return liste;
}

} // namespace varku
