#include "games/crossword/Kreuzwortgitter.h"

#include "foundation/Texte.h"
#include "foundation/Zahlenwert.h"

namespace varku::wendomar {

namespace {

const QString klammeraffe = QStringLiteral("@");
const QString stern = QStringLiteral("*");

int laenge(int richtung) {
    return richtung == waagrecht ? gitterSpalten : gitterZeilen;
}

// frei und im Wortplatz dieser Richtung erlaubt; die anderen freien Zustände beenden ihn
bool durchlaessig(int richtung, int z) {
    return z == zsFrei || z == (richtung == waagrecht ? zsNebenSenkrecht : zsNebenWaagrecht);
}

} // namespace

Kreuzwortgitter::Kreuzwortgitter(db::Recordset& woerter, Wuerfel wuerfel)
    : m_woerter(woerter), m_wuerfel(std::move(wuerfel)) {
    loescheGitter();
}

QPoint Kreuzwortgitter::feldPosition(int spalte, int zeile) {
    return {(spalte - 1) * 448 + 30, (zeile - 1) * 448 + 30};
}

int& Kreuzwortgitter::zst(int spalte, int zeile) {
    return m_zustand[size_t((zeile - 1) * gitterSpalten + spalte - 1)];
}

QString& Kreuzwortgitter::bst(int spalte, int zeile) {
    return m_buchstaben[size_t((zeile - 1) * gitterSpalten + spalte - 1)];
}

const QString& Kreuzwortgitter::buchstabe(int spalte, int zeile) const {
    return m_buchstaben[size_t((zeile - 1) * gitterSpalten + spalte - 1)];
}

int Kreuzwortgitter::zustand(int spalte, int zeile) const {
    return m_zustand[size_t((zeile - 1) * gitterSpalten + spalte - 1)];
}

void Kreuzwortgitter::setzeBuchstabe(int spalte, int zeile, const QString& b) {
    if (spalte >= 1 && spalte <= gitterSpalten && zeile >= 1 && zeile <= gitterZeilen)
        bst(spalte, zeile) = b;
}

int Kreuzwortgitter::zustandIm(int richtung, int linie, int p) const {
    return richtung == waagrecht ? zustand(p, linie) : zustand(linie, p);
}

const QString& Kreuzwortgitter::buchstabeIm(int richtung, int linie, int p) const {
    return richtung == waagrecht ? buchstabe(p, linie) : buchstabe(linie, p);
}

QStringList Kreuzwortgitter::alsText() const {
    QStringList zeilen;
    for (int r = 1; r <= gitterZeilen; ++r) {
        QString z;
        for (int c = 1; c <= gitterSpalten; ++c)
            z += zustand(c, r) < 0 || buchstabe(c, r).isEmpty() ? QStringLiteral(".")
                                                                : buchstabe(c, r);
        zeilen << z;
    }
    return zeilen;
}

void Kreuzwortgitter::loescheGitter() {
    m_buchstaben.fill(QString());
    m_zustand.fill(zsFrei);
}

void Kreuzwortgitter::neuesBrett() {
    loescheWortplaetze();
    loescheGitter();
    BenutzteWoerter.clear();
}

void Kreuzwortgitter::steineVomBrett() {
    // alle 13 Steine: ein Stein, der vom letzten Wort liegen blieb, löschte sonst eine Zelle
    SteinSpalte.fill(0);
    SteinZeile.fill(0);
}

void Kreuzwortgitter::nimmWort(const QString& feld) {
    // Leerzeichen am Rand zählen nicht: ein leerer Stein sähe aus wie eine freie Zelle
    Wort = trimme(feld).normalized(QString::NormalizationForm_C);
    WortLaenge = int(Wort.size());
}

bool Kreuzwortgitter::wortLegbar() const {
    return WortLaenge <= hoechstensBuchstaben && istSpielwort(Wort);
}

void Kreuzwortgitter::setzeWortInsGitter() {
    const bool waag = Richtung == waagrecht;
    const int n = laenge(Richtung);
    const int linie = waag ? StartZeile : StartSpalte;
    const int anfang = waag ? StartSpalte : StartZeile;
    const int ende = anfang + WortLaenge - 1;
    const auto zelle = [&](int p) -> std::pair<int, int> {
        return waag ? std::pair{p, linie} : std::pair{linie, p};
    };
    const auto sperre = [&](int p) {
        const auto [c, r] = zelle(p);
        bst(c, r) = klammeraffe;
        zst(c, r) = zsGesperrt;
    };
    if (anfang > 1)
        sperre(anfang - 1);
    for (int k = 0; k < WortLaenge && anfang + k <= n; ++k) {
        const auto [c, r] = zelle(anfang + k);
        bst(c, r) = QString(grossbuchstabe(Wort.at(k)));
        zst(c, r) = zsBuchstabe;
    }
    if (ende < n)
        sperre(ende + 1);
    // die freien Zellen neben dem Wort
    const int quer = waag ? gitterZeilen : gitterSpalten;
    const int neben = waag ? zsNebenWaagrecht : zsNebenSenkrecht;
    const int anderes = waag ? zsNebenSenkrecht : zsNebenWaagrecht;
    for (int p = anfang; p <= std::min(ende, n); ++p)
        for (const int l : {linie - 1, linie + 1}) {
            if (l < 1 || l > quer)
                continue;
            int& z = waag ? zst(p, l) : zst(l, p);
            if (z < 0)
                z = (z == anderes || z == zsNebenBeiden) ? zsNebenBeiden : neben;
        }
}

bool Kreuzwortgitter::ersterWort(const std::vector<int>& fehlerListe) {
    bool gewaehlt = false;
    if (!fehlerListe.empty() && m_wuerfel(1, 100) > 80) {
        const int nr = fehlerListe[size_t(m_wuerfel(0, int(fehlerListe.size()) - 1))];
        if (nr >= 0 && m_woerter.FindFirst(QStringLiteral("RefNr=") + QString::number(nr))) {
            nimmWort(m_woerter.feld(QStringLiteral("Wort")).alsText());
            gewaehlt = wortLegbar();
        }
    }
    if (!gewaehlt) {
        const int anzahl = m_woerter.RecordCount();
        if (anzahl <= 0)
            return false;
        m_woerter.MoveFirst();
        m_woerter.Move(m_wuerfel(1, anzahl) - 1);
        nimmWort(m_woerter.feld(QStringLiteral("Wort")).alsText());
        // ein Wort, das nach dem Kürzen leer ist oder doch zu lang: das erste, das passt
        if (!wortLegbar()) {
            for (m_woerter.MoveFirst(); !m_woerter.Eof(); m_woerter.MoveNext()) {
                nimmWort(m_woerter.feld(QStringLiteral("Wort")).alsText());
                if (wortLegbar())
                    break;
            }
            if (m_woerter.Eof())
                return false;
        }
    }
    StartSpalte = (gitterSpalten - WortLaenge) / 2 + 1;
    StartZeile = 6;
    Richtung = waagrecht;
    steineVomBrett();
    return true;
}

void Kreuzwortgitter::merkeWort() {
    BenutzteWoerter << Wort;
}

bool Kreuzwortgitter::wortSchonBenutzt(const QString& wort) const {
    return BenutzteWoerter.contains(wort, Qt::CaseSensitive);
}

void Kreuzwortgitter::loescheWortplaetze() {
    WaagPlaetze.clear();
    SenkPlaetze.clear();
}

void Kreuzwortgitter::sammleWortplaetze() {
    loescheWortplaetze();
    for (const int richtung : {waagrecht, senkrecht}) {
        const int n = laenge(richtung);
        const int linien = richtung == waagrecht ? gitterZeilen : gitterSpalten;
        for (int linie = 1; linie <= linien; ++linie) {
            int von = -1, bis = -1;
            bool hatBuchstabe = false, hatFrei = false;
            const auto zuruecksetzen = [&] {
                von = bis = -1;
                hatBuchstabe = hatFrei = false;
            };
            for (int p = 1; p <= n; ++p) {
                const int z = zustandIm(richtung, linie, p);
                if (z > 0) {
                    hatBuchstabe = true;
                    if (von == -1) {
                        von = p;
                        bis = -1;
                        hatFrei = false;
                    }
                } else if (z == zsGesperrt) {
                    if (von != -1 && hatBuchstabe && hatFrei) {
                        bis = p - 1;
                    } else {
                        hatBuchstabe = hatFrei = false;
                        von = -1;
                    }
                } else if (durchlaessig(richtung, z)) {
                    hatFrei = true;
                    if (von == -1) {
                        von = p;
                        bis = -1;
                        hatBuchstabe = false;
                    }
                } else {
                    // ein freier Zustand, der den Platz beendet
                    if (von != -1 && hatBuchstabe && hatFrei) {
                        bis = p - 1;
                    } else {
                        zuruecksetzen();
                        continue;
                    }
                }
                if (hatBuchstabe && hatFrei && von < bis && bis > 0) {
                    speichereWortplatz(richtung, von, bis, linie);
                    zuruecksetzen();
                }
            }
            if (bis < 0 && hatBuchstabe && hatFrei)
                speichereWortplatz(richtung, von, n, linie);
        }
    }
}

void Kreuzwortgitter::speichereWortplatz(int richtung, int von, int bis, int linie) {
    const int neben = richtung == waagrecht ? zsNebenWaagrecht : zsNebenSenkrecht;
    for (int p = von; p <= bis; ++p) {
        const int z = zustandIm(richtung, linie, p);
        if (z == neben || z == zsNebenBeiden)
            return;
    }
    std::vector<Wortplatz>& tabelle = plaetze(richtung);
    // ein Platz über die Zahl hinaus fällt weg
    if (int(tabelle.size()) >= hoechstensWortplaetze)
        return;
    tabelle.push_back({linie, von, bis});
}

int Kreuzwortgitter::zaehleBuchstabenImPlatz(int index, int richtung) const {
    const std::vector<Wortplatz>& tabelle = plaetze(richtung);
    if (index < 0 || index >= int(tabelle.size()))
        return 0;
    const Wortplatz& w = tabelle[size_t(index)];
    int n = 0;
    for (int p = w.von; p <= w.bis; ++p)
        n += zustandIm(richtung, w.linie, p) == zsBuchstabe;
    return n == 1 ? 0 : n;
}

void Kreuzwortgitter::kuerzeWortplatz(int von, int bis, int linie, int richtung) {
    if (bis - von < 6)
        return;
    const auto buchstabeUndFrei = [&](int a, int b) {
        bool bst = false, frei = false;
        for (int p = a; p <= b; ++p) {
            const int z = zustandIm(richtung, linie, p);
            bst |= z > 0;
            frei |= z < 0;
        }
        return bst && frei;
    };
    int mitte = (bis - von) / 2 + von;
    if (buchstabeUndFrei(von, mitte)) {
        if (zustandIm(richtung, linie, mitte) != zsBuchstabe)
            --mitte;
        speichereWortplatz(richtung, von, mitte, linie);
    }
    if (mitte + 2 <= bis && buchstabeUndFrei(mitte + 2, bis))
        speichereWortplatz(richtung, mitte + 2, bis, linie);
}

void Kreuzwortgitter::entferneWortplatz(int index, int richtung) {
    std::vector<Wortplatz>& tabelle = plaetze(richtung);
    if (index < 0 || index >= int(tabelle.size()))
        return;
    const int n = zaehleBuchstabenImPlatz(index, richtung);
    const Wortplatz w = tabelle[size_t(index)];
    tabelle.erase(tabelle.begin() + index);
    if (n > 0)
        kuerzeWortplatz(w.von, w.bis, w.linie, richtung);
}

QString Kreuzwortgitter::bildeSuchmuster(int index, int richtung) const {
    const Wortplatz& w = plaetze(richtung).at(size_t(index));
    QString muster = stern;
    for (int p = w.von; p <= w.bis; ++p) {
        if (zustandIm(richtung, w.linie, p) < 0) {
            if (!muster.endsWith(stern))
                muster += stern;
            continue;
        }
        const QString& b = buchstabeIm(richtung, w.linie, p);
        if (b.isEmpty())
            break;
        muster += b;
    }
    if (!muster.endsWith(stern))
        muster += stern;
    return muster;
}

Kreuzwortgitter::Vorlage Kreuzwortgitter::vorlage(int index, int richtung) const {
    const Wortplatz& w = plaetze(richtung).at(size_t(index));
    const int n = laenge(richtung);
    // daneben steht ein Buchstabe eines anderen Wortes: das Wort liefe in ihn hinein
    const auto belegt = [&](int p) {
        if (p < 1 || p > n || zustandIm(richtung, w.linie, p) < 0)
            return false;
        const QString& b = buchstabeIm(richtung, w.linie, p);
        return b != klammeraffe && !b.isEmpty();
    };
    Vorlage v;
    for (int p = w.von; p <= w.bis; ++p) {
        const QString& b = buchstabeIm(richtung, w.linie, p);
        v.zeichen.push_back(zustandIm(richtung, w.linie, p) < 0 || b.size() != 1 ? QChar()
                                                                                 : b.at(0));
        v.buchstabeDavor.push_back(belegt(p - 1));
        v.buchstabeDahinter.push_back(belegt(p + 1));
    }
    return v;
}

Lage Kreuzwortgitter::passt(const Vorlage& v, const Wortplatz& w) const {
    const QString gross = grossJeZeichen(Wort);
    const int n = int(v.zeichen.size());
    for (int k = 0; k + WortLaenge <= n; ++k) {
        bool passt = true, kreuzt = false;
        for (int j = 0; j < WortLaenge && passt; ++j) {
            const QChar z = v.zeichen[size_t(k + j)];
            if (z.isNull())
                continue;
            kreuzt = true;
            passt = z == gross.at(j);
        }
        if (!passt || !kreuzt || v.buchstabeDavor[size_t(k)] ||
            v.buchstabeDahinter[size_t(k + WortLaenge - 1)])
            continue;
        return {w.von + k, w.von + k + WortLaenge - 1};
    }
    return {};
}

Lage Kreuzwortgitter::passtWortInPlatz(int index, int richtung) const {
    return passt(vorlage(index, richtung), plaetze(richtung).at(size_t(index)));
}

bool Kreuzwortgitter::naechstesWortSuchen() {
    const int anzahl = m_woerter.RecordCount();
    while (!WaagPlaetze.empty() || !SenkPlaetze.empty()) {
        if (anzahl <= 0)
            return false;
        const int w = int(WaagPlaetze.size()), s = int(SenkPlaetze.size());
        int richtung = m_wuerfel(1, w + s) < w ? waagrecht : senkrecht;
        if (plaetze(richtung).empty())
            richtung = richtung == waagrecht ? senkrecht : waagrecht;
        const int index = m_wuerfel(1, int(plaetze(richtung).size())) - 1;
        const QString kriterium =
            QStringLiteral("Wort Like \"") + bildeSuchmuster(index, richtung) + u'"';

        // von einer zufälligen Stelle aus weiter, am Ende einmal von vorn bis zu ihr: die Wörter
        // dahinter sind schon geprüft, und das Brett ist dasselbe
        const int anfang = m_wuerfel(0, anzahl - 1);
        m_woerter.MoveFirst();
        m_woerter.Move(anfang);
        bool gewickelt = false;
        bool gefunden = m_woerter.FindNext(kriterium);
        if (!gefunden) {
            gewickelt = true;
            gefunden = m_woerter.FindFirst(kriterium);
        }
        const Wortplatz platz = plaetze(richtung)[size_t(index)];
        const int n = laenge(richtung);
        while (gefunden) {
            nimmWort(m_woerter.feld(QStringLiteral("Wort")).alsText());
            const Lage lage = wortLegbar() ? passtWortInPlatz(index, richtung) : Lage{};
            const auto buchstabeDaneben = [&](int p) {
                return p >= 1 && p <= n && zustandIm(richtung, platz.linie, p) == zsBuchstabe;
            };
            if (lage.passt() && !wortSchonBenutzt(Wort) && !buchstabeDaneben(lage.von - 1) &&
                !buchstabeDaneben(lage.bis + 1)) {
                StartSpalte = richtung == waagrecht ? lage.von : platz.linie;
                StartZeile = richtung == waagrecht ? platz.linie : lage.von;
                Richtung = richtung;
                steineVomBrett();
                return true;
            }
            gefunden = m_woerter.FindNext(kriterium);
            if (!gefunden && !gewickelt) {
                gewickelt = true;
                gefunden = m_woerter.FindFirst(kriterium);
            }
            if (gewickelt && gefunden && m_woerter.AbsolutePosition() > anfang)
                gefunden = false;
        }
        entferneWortplatz(index, richtung);
    }
    return false;
}

std::vector<GelegtesWort> legeGanzesBrett(Kreuzwortgitter& g, const std::vector<int>& fehlerListe) {
    g.neuesBrett();
    if (!g.ersterWort(fehlerListe))
        return {};
    std::vector<GelegtesWort> woerter;
    // jedes Wort belegt Zellen, die kein anderes mehr nimmt: das Brett ist irgendwann voll
    do {
        g.setzeWortInsGitter();
        g.merkeWort();
        woerter.push_back({g.Wort, g.StartSpalte, g.StartZeile, g.Richtung});
        g.sammleWortplaetze();
    } while (woerter.size() < size_t(gitterSpalten * gitterZeilen) && g.naechstesWortSuchen());
    return woerter;
}

} // namespace varku::wendomar
