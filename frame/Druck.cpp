#include "frame/Druck.h"

#include "frame/Uebung.h"
#include "platform/Laufzeitfehler.h"

#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace varku {

const QString VarkLogoImg = QStringLiteral("VarkLogo.png");
const QString MorloLogoImg = QStringLiteral("MorloLogo.png");

namespace {

const QString arial = QStringLiteral("Arial");
const QString produktName = QStringLiteral("Varku");
const QString unterschrift = QStringLiteral("Unterschrift des Übungsleiters");

// Datum und Komma immer deutsch, was das System auch eingestellt hat
QLocale deutsch() {
    QLocale l(QLocale::German, QLocale::Germany);
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

QString nichtGedruckt(const QString& dokument, const QString& name, const QString& grund) {
    return QStringLiteral("Das ") + dokument + QStringLiteral(" für ") + name +
           QStringLiteral("\rwurde nicht gedruckt.\r") + grund;
}

const QString keinDrucker = QStringLiteral("Es ist kein Drucker bereit.");
const QString nichtAngenommen = QStringLiteral("Der Drucker hat es nicht angenommen.");

} // namespace

const Einstellungsabschnitt<DruckerRaender>& druckerAbschnitt() {
    using E = DruckerRaender;
    // ein Rand außerhalb einer 16-Bit-Zahl ist Unsinn, aber kein Grund, das Programm zu beenden
    static const Einstellungsabschnitt<E> a{
        AbschnittsFormat{QStringLiteral("Drucker")},
        {
            ganzzahl("LinkerRand", &E::LinkerRand, INT16_MIN, INT16_MAX, Bereich::Begrenzen),
            ganzzahl("RechterRand", &E::RechterRand, INT16_MIN, INT16_MAX, Bereich::Begrenzen),
            ganzzahl("ObererRand", &E::ObererRand, INT16_MIN, INT16_MAX, Bereich::Begrenzen),
            ganzzahl("UntererRand", &E::UntererRand, INT16_MIN, INT16_MAX, Bereich::Begrenzen),
        }};
    return a;
}

DruckerRaender druckerRaender(const QString& iniDatei, const QRectF& seitenbereich) {
    const auto ganz = [](double v) { return int32_t(std::lround(v)); };
    const int32_t links = ganz(seitenbereich.left());
    const int32_t rechts = ganz(seitenbereich.right());
    const int32_t oben = ganz(seitenbereich.top());
    const int32_t unten = ganz(seitenbereich.bottom());
    // Ohne Schlüssel bliebe 0, und jede Grenze läge über dem Kopf: der Seitenbereich gilt.
    const DruckerRaender bereich{links, rechts, oben, unten};
    DruckerRaender r = bereich;
    try {
        druckerAbschnitt().lies(iniDatei, r);
    } catch (const Laufzeitfehler&) {
        return bereich;
    }
    // was nicht auf dem Blatt liegt, kommt an seinen Rand
    r.LinkerRand = std::clamp(r.LinkerRand, links, rechts);
    r.RechterRand = std::clamp(r.RechterRand, links, rechts);
    r.ObererRand = std::clamp(r.ObererRand, oben, unten);
    r.UntererRand = std::clamp(r.UntererRand, oben, unten);
    if (r.LinkerRand >= r.RechterRand) {
        r.LinkerRand = links;
        r.RechterRand = rechts;
    }
    if (r.ObererRand >= r.UntererRand) {
        r.ObererRand = oben;
        r.UntererRand = unten;
    }
    return r;
}

int geschriebeneWoerter(const Statistik& s, bool wortAufSchirm) {
    return std::max(0, int(s.woerter) - (wortAufSchirm ? 1 : 0));
}

QString lesezeitText(const Statistik& s, int geschrieben) {
    const double schnitt = geschrieben >= 1 ? double(s.lesezeitSumme) / geschrieben : 0.0;
    return deutsch().toString(schnitt, 'f', 2);
}

QString uebungsdauer(const QDateTime& beginn, const QDateTime& jetzt) {
    // mit Datum gerechnet: über Mitternacht hinaus wird es nicht negativ
    qint64 sekunden = beginn.isValid() && jetzt.isValid() ? beginn.secsTo(jetzt) : 0;
    sekunden = std::max<qint64>(0, sekunden);
    return QStringLiteral("%1:%2").arg(sekunden / 60).arg(sekunden % 60, 2, 10, QLatin1Char('0'));
}

QString langesDatum(const QDate& datum) {
    return deutsch().toString(datum, QLocale::LongFormat);
}

Druckangaben druckangaben(const Uebung& u, int p, const QString& schwerpunkt,
                          const QDateTime& jetzt, const QString& wortDbPfad,
                          const QString& iniDatei) {
    Druckangaben a;
    const Spielergruppe& g = u.gruppe;
    if (p >= 0 && p < g.anzahl()) {
        a.name = g.name(p);
        a.protokollPfad = g.protokollPfad(p);
        a.statistik = g.SpielerStatistik[size_t(p)];
    }
    // Nur der Spieler am Zug hat ein gezähltes Wort vor sich, das er noch schreibt.
    a.wortAufSchirm =
        p == u.aktSpieler && u.bereit() && u.AnzahlWoerter() > 0 && u.wortDb.stehtAufWort();
    a.schwerpunkt = schwerpunkt.trimmed();
    a.sitzungsBeginn = u.sitzungsBeginn;
    a.jetzt = jetzt;
    a.wortDbPfad = wortDbPfad;
    a.iniDatei = iniDatei;
    return a;
}

bool istDateiziel(const QString& ziel) {
    return QFileInfo(ziel).isAbsolute() &&
           ziel.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

// --- Protokoll lesen ---

ProtokollLeser::ProtokollLeser(std::vector<Protokolleintrag> eintraege, const QString& wortDbPfad)
    : m_eintraege(std::move(eintraege)) {
    // ohne Wortdatenbank stehen die Nummern da
    try {
        if (!wortDbPfad.isEmpty())
            m_woerter.oeffneWortDatenbank(wortDbPfad, WortTabellen{});
    } catch (const Laufzeitfehler&) {
        m_woerter = Wortzugang();
    }
}

int ProtokollLeser::anzahl(bool richtig) const {
    return int(
        std::count_if(m_eintraege.begin(), m_eintraege.end(),
                      [richtig](const Protokolleintrag& e) { return e.richtig == richtig; }));
}

bool ProtokollLeser::leseProtokollEintrag(bool richtig) {
    while (m_stelle < m_eintraege.size()) {
        const Protokolleintrag& e = m_eintraege[m_stelle++];
        if (e.richtig != richtig)
            continue;
        schlageNach(e.refNr);
        protEingabe = richtig ? QString() : e.eingabe;
        return true;
    }
    return false;
}

void ProtokollLeser::schlageNach(int refNr) {
    // Eine Nummer ohne Wort steht als Nummer da, nie als das Wort davor.
    protKontext.clear();
    protWort = QString::number(refNr);
    try {
        if (!m_woerter.istOffen() || !m_woerter.findeWort(refNr))
            return;
        const db::Recordset& r = m_woerter.rdb();
        const db::Wert kontext = r.feld(QStringLiteral("Kontext"));
        if (!kontext.istNull())
            protKontext = kontext.alsText().trimmed();
        const db::Wert wort = r.feld(QStringLiteral("Wort"));
        if (!wort.istNull())
            protWort = wort.alsText();
    } catch (const Laufzeitfehler&) {
        // ein Eintrag, der sich nicht nachschlagen lässt, hält den Ausdruck nicht auf
    }
}

// --- Drucken ---

Druck::Druck(Drucker& drucker) : m_d(drucker) {}

void Druck::ladeDruckerRaender(const QString& iniDatei) {
    const DruckerRaender r = druckerRaender(iniDatei, m_d.seitenbereich());
    LinkerRand = r.LinkerRand;
    RechterRand = r.RechterRand;
    ObererRand = r.ObererRand;
    UntererRand = r.UntererRand;
    Einzug = 500;
    WertSpalte = 4000;
    ZeilenAbstand = 80;
}

void Druck::setzeDruckPos(double x, double y) {
    if (x >= 0)
        m_d.setzeX(x);
    if (y >= 0)
        m_d.setzeY(y);
}

void Druck::druckeText(double x, double y, const QString& text) {
    setzeDruckPos(x, y);
    m_d.druckeZeile(text);
}

void Druck::setzeDruckFont(const QString& name, double groesse, bool fett, bool kursiv) {
    m_d.setzeSchrift(name, groesse, fett, kursiv);
}

QString Druck::passend(const QString& text, double breite) const {
    if (m_d.textBreite(text) <= breite)
        return text;
    const QString auslassung = QStringLiteral("…");
    QString t = text;
    while (!t.isEmpty() && m_d.textBreite(t + auslassung) > breite)
        t.chop(1);
    return t + auslassung;
}

QStringList Druck::umbrochen(const QString& text, double breite) const {
    QStringList zeilen;
    QString zeile;
    for (const QString& wort : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString laenger = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
        if (!zeile.isEmpty() && m_d.textBreite(laenger) > breite) {
            zeilen << zeile;
            zeile = wort;
        } else {
            zeile = laenger;
        }
    }
    zeilen << zeile;
    return zeilen;
}

void Druck::druckeZeilen(double x, double y, const QStringList& zeilen, double breite) {
    for (const QString& z : zeilen) {
        druckeText(x, y, passend(z, breite));
        y = -1;
    }
}

void Druck::druckeZeile(double y, const QString& bezeichnung, const QString& wert) {
    setzeDruckFont(arial, 16, true, false);
    druckeText(LinkerRand + Einzug, y, bezeichnung);
    setzeDruckFont(arial, 16, false, true);
    // ein langer Titel bricht an Leerzeichen um und bleibt in seiner Spalte
    const double x = LinkerRand + WertSpalte;
    druckeZeilen(x, y, umbrochen(wert, RechterRand - x), RechterRand - x);
}

void Druck::druckeAbsatz(double y, const QStringList& zeilen) {
    // Die Zeilen bleiben, wie sie sind, solange jede zwischen die Ränder passt.
    const double breite = RechterRand - LinkerRand;
    const bool passt = std::all_of(zeilen.begin(), zeilen.end(),
                                   [&](const QString& z) { return m_d.textBreite(z) <= breite; });
    druckeZeilen(LinkerRand, y, passt ? zeilen : umbrochen(zeilen.join(QLatin1Char(' ')), breite),
                 breite);
}

void Druck::druckeKopf() {
    m_d.bild(VarkLogoImg, LinkerRand, ObererRand);
    setzeDruckFont(arial, 20, true, false);
    double y = ObererRand;
    // rechtsbündig, ein Wort je Zeile
    for (const QString& wort : produktName.split(QLatin1Char(' '))) {
        druckeText(RechterRand - m_d.textBreite(wort), y, wort);
        y = -1;
    }
    const double balken = ObererRand + m_d.bildGroesse(VarkLogoImg).height() + 500;
    m_d.rechteck(LinkerRand, balken, RechterRand, balken + 10);
    setzeDruckPos(LinkerRand, balken + 10);
    m_frischesBlatt = true;
}

void Druck::druckeFuss(double y, int blatt) {
    m_d.rechteck(LinkerRand, y + 100, RechterRand, y + 110);
    setzeDruckFont(arial, 20, false, false);
    druckeText(LinkerRand, UntererRand - 500, QStringLiteral("Blatt ") + QString::number(blatt));
    const QSizeF logo = m_d.bildGroesse(MorloLogoImg);
    m_d.bild(MorloLogoImg, RechterRand - logo.width(), UntererRand - logo.height());
}

void Druck::zeichneZeugnis(const Druckangaben& a) {
    const int geschrieben = geschriebeneWoerter(a.statistik, a.wortAufSchirm);
    // richtig sind nur geschriebene Wörter
    const int richtig = std::clamp(int(a.statistik.richtig), 0, geschrieben);
    const QString lesezeit = lesezeitText(a.statistik, geschrieben);
    const QString dauer = uebungsdauer(a.sitzungsBeginn, a.jetzt);

    druckeKopf();
    setzeDruckFont(arial, 36, true, false);
    druckeText(LinkerRand, m_d.y() + 800, QStringLiteral("Zeugnis"));
    druckeZeile(m_d.y() + 1200, QStringLiteral("Schüler/Schülerin:"), a.name);
    druckeZeile(m_d.y() + ZeilenAbstand, QStringLiteral("Erstellungsdatum:"),
                langesDatum(a.jetzt.date()));

    setzeDruckFont(arial, 14, false, false);
    druckeAbsatz(m_d.y() + 800,
                 {QStringLiteral("Er/sie hat heute seine/ihre Rechtschreib-Kenntnisse am "
                                 "Computer mit Hilfe"),
                  QStringLiteral("der Programme des Varkus (VARKU) verbessert.")});

    druckeZeile(m_d.y() + 800, QStringLiteral("Übungsschwerpunkt:"), a.schwerpunkt);
    druckeZeile(m_d.y() + ZeilenAbstand, QStringLiteral("Übungsdauer:"),
                dauer + QStringLiteral(" Minuten"));
    druckeZeile(m_d.y() + 500, QStringLiteral("geschrieben wurden:"),
                QString::number(geschrieben) + QStringLiteral(" Wörter"));
    druckeZeile(m_d.y() + ZeilenAbstand, QStringLiteral("davon richtig:"),
                QString::number(richtig) + QStringLiteral(" Wörter"));
    druckeZeile(m_d.y() + ZeilenAbstand, QStringLiteral("Lesezeit:"),
                lesezeit + QStringLiteral(" Sekunden pro Wort"));

    setzeDruckFont(arial, 14, false, false);
    druckeAbsatz(m_d.y() + 500,
                 {QStringLiteral("Deine Lehrerinnen und Lehrer gratulieren dir zu dieser "
                                 "Leistung und wünschen"),
                  QStringLiteral("dir weiterhin viel Spaß und Erfolg beim Lernen.")});

    const double balken = m_d.y() + 1200;
    m_d.rechteck(LinkerRand, balken, RechterRand, balken + 10);

    const QSizeF logo = m_d.bildGroesse(MorloLogoImg);
    const double linie = UntererRand - logo.height() + ZeilenAbstand;
    setzeDruckFont(arial, 14, false, false);
    m_d.rechteck(LinkerRand, linie, LinkerRand + m_d.textBreite(unterschrift), linie + 10);
    druckeText(LinkerRand, linie + ZeilenAbstand, unterschrift);
    m_d.bild(MorloLogoImg, RechterRand - logo.width(), UntererRand - logo.height() - 200);
}

void Druck::blattwechsel(int& blatt) {
    druckeFuss(m_d.y(), blatt);
    m_d.neueSeite();
    druckeKopf();
    ++blatt;
}

void Druck::druckeAbschnitt(const QString& ueberschrift, bool richtig, ProtokollLeser& leser,
                            int& blatt, double grenze) {
    // Die Überschrift bleibt bei ihrem ersten Eintrag.
    setzeDruckFont(arial, 16, true, false);
    const double kopf = 500 + 2 * m_d.zeilenHoehe() + (leser.anzahl(richtig) > 0 ? 300 : 0);
    if (!m_frischesBlatt && m_d.y() + kopf > grenze) {
        blattwechsel(blatt);
        setzeDruckFont(arial, 16, true, false);
    }
    druckeText(LinkerRand, m_d.y() + 500, ueberschrift);
    druckeText(-1, -1, QString());

    while (leser.leseProtokollEintrag(richtig)) {
        // erst wenn noch ein Eintrag kommt, gibt es ein neues Blatt: keines mit nur dem Kopf
        double y = m_d.y();
        if (!m_frischesBlatt && y + 300 > grenze) {
            blattwechsel(blatt);
            y = m_d.y() + 500;
        }
        m_frischesBlatt = false;
        double xWort = LinkerRand + Einzug;
        if (!leser.protKontext.isEmpty()) {
            setzeDruckFont(arial, 10, false, false);
            druckeText(xWort, y + 110, leser.protKontext);
            xWort += m_d.textBreite(leser.protKontext) + 60;
        }
        setzeDruckFont(arial, 16, false, false);
        druckeText(xWort, y, leser.protWort);
        if (!richtig) {
            const double x = LinkerRand + WertSpalte;
            const QString stern = QStringLiteral("* ");
            druckeText(x, y,
                       stern + passend(leser.protEingabe, RechterRand - x - m_d.textBreite(stern)));
        }
    }
}

void Druck::zeichneProtokoll(const Druckangaben& a, ProtokollLeser& leser) {
    druckeKopf();
    int blatt = 1;
    const double grenze = UntererRand - m_d.bildGroesse(MorloLogoImg).height() - 200;
    setzeDruckFont(arial, 36, true, false);
    druckeText(LinkerRand, m_d.y() + 500, QStringLiteral("Protokoll"));
    druckeZeile(m_d.y() + 500, QStringLiteral("Schüler/Schülerin:"), a.name);
    druckeZeile(m_d.y() + ZeilenAbstand, QStringLiteral("Erstellungsdatum:"),
                langesDatum(a.jetzt.date()));
    druckeZeile(m_d.y() + ZeilenAbstand, QStringLiteral("Übungsschwerpunkt:"), a.schwerpunkt);
    m_frischesBlatt = false;

    druckeAbschnitt(QStringLiteral("Richtig geschriebene Wörter"), true, leser, blatt, grenze);
    leser.zumAnfang();
    druckeAbschnitt(QStringLiteral("Falsch geschriebene Wörter"), false, leser, blatt, grenze);
    druckeFuss(m_d.y(), blatt);
}

Druckergebnis Druck::druckeDokument(const QString& dokument, const Druckangaben& a,
                                    const std::function<void()>& zeichne) {
    if (!m_d.beginne(dokument + QLatin1Char(' ') + a.name))
        return {false, {}, nichtGedruckt(dokument, a.name, keinDrucker)};
    try {
        ladeDruckerRaender(a.iniDatei);
        zeichne();
    } catch (const Laufzeitfehler& f) {
        m_d.verwirf();
        return {false, {}, nichtGedruckt(dokument, a.name, f.meldung())};
    }
    if (!m_d.beende())
        return {false, {}, nichtGedruckt(dokument, a.name, nichtAngenommen)};
    return {true, m_d.ziel(), {}};
}

Druckergebnis Druck::druckeZeugnis(const Druckangaben& a) {
    return druckeDokument(QStringLiteral("Zeugnis"), a, [&] { zeichneZeugnis(a); });
}

Druckergebnis Druck::druckeProtokoll(const Druckangaben& a) {
    const QString dokument = QStringLiteral("Protokoll");
    if (a.protokollPfad.isEmpty() || !QFileInfo(a.protokollPfad).isFile())
        return {false,
                {},
                nichtGedruckt(dokument, a.name, QStringLiteral("Die Protokolldatei fehlt."))};
    std::vector<Protokolleintrag> eintraege;
    try {
        eintraege = leseProtokoll(a.protokollPfad);
    } catch (const Laufzeitfehler&) {
        return {false,
                {},
                nichtGedruckt(dokument, a.name,
                              QStringLiteral("Die Protokolldatei lässt sich nicht lesen."))};
    }
    ProtokollLeser leser(std::move(eintraege), a.wortDbPfad);
    return druckeDokument(dokument, a, [&] { zeichneProtokoll(a, leser); });
}

} // namespace varku
