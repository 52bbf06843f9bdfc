#include "foundation/IniAbschnitt.h"

#include "foundation/ElementLeser.h"
#include "foundation/Textkodierung.h"
#include "foundation/Zahlenwert.h"
#include "platform/Laufzeitfehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace varku {

bool leseAbschnitt(const QString& iniDatei, const QString& abschnitt, const QStringList& schluessel,
                   const std::function<void(int, const QString&)>& setze, bool bisDateiende) {
    return leseAbschnittAusText(leseTextdatei(iniDatei).text, abschnitt, schluessel, setze,
                                bisDateiende);
}

bool leseAbschnittAusText(const QString& text, const QString& abschnitt,
                          const QStringList& schluessel,
                          const std::function<void(int, const QString&)>& setze,
                          bool bisDateiende) {
    ElementLeser leser(text);
    const QString kopf = QLatin1Char('[') + abschnitt + QLatin1Char(']');
    bool gefunden = false;
    while (!leser.amEnde())
        if (leser.naechstes() == kopf) {
            gefunden = true;
            break;
        }
    if (!gefunden)
        return false;
    while (!leser.amEnde()) {
        const QString element = leser.naechstes();
        if (!bisDateiende && element.startsWith(u'['))
            break;
        // Leerzeilen und Kommentare tragen keinen Schlüssel
        if (element.isEmpty() || element.startsWith(u';'))
            continue;
        // Schlüssel und "=" am Anfang, ohne je Element einen Text zusammenzusetzen
        for (int i = 0; i < schluessel.size(); ++i) {
            const QString& name = schluessel.at(i);
            if (element.size() > name.size() && element.at(name.size()) == u'=' &&
                element.startsWith(name)) {
                setze(i, trimme(element.mid(name.size() + 1)));
                break;
            }
        }
    }
    return true;
}

namespace {

// Der Abschnittskopf in den Bytes der Datei. Lässt er sich in ihrer Kodierung nicht schreiben,
// kann ihn keine Zeile enthalten.
struct KopfBytes {
    QByteArray bytes;
    bool moeglich = false;

    KopfBytes(const QString& kopf, Kodierung k)
        : bytes(kodiere(kopf, k)), moeglich(dekodiere(bytes, k) == kopf) {}
};

// Wie die Zeile beim elementweisen Lesen wirkt
struct Einordnung {
    bool istKopf = false;          // ein Element der Zeile ist genau der Kopf
    bool beginntAbschnitt = false; // ein Element beginnt mit "[" (beendet den alten Abschnitt)
    bool istKommentar = false;     // das erste Element beginnt mit ";"
};

// Die Einordnung wird auf den Bytes bestimmt, ohne zu dekodieren: Komma, Anführungszeichen,
// Leerzeichen, Tabulator, "[" und ";" stehen in UTF-8 wie in Windows-1252 nur für sich selbst,
// und beide Dekodierungen bilden verschiedene Bytes auf verschiedene Texte ab.
Einordnung ordneEin(QByteArrayView zeile, const KopfBytes& kopf) {
    Einordnung e;
    const char* const d = zeile.data();
    const qsizetype n = zeile.size();
    qsizetype pos = 0;
    bool erstes = true;
    do {
        while (pos < n && (d[pos] == ' ' || d[pos] == '\t'))
            ++pos;
        qsizetype anfang = pos;
        qsizetype laenge = 0;
        if (pos < n && d[pos] == '"') {
            // bis zum schließenden Zeichen, ohne die Zeichen; der Rest bis zum Komma fällt weg
            anfang = ++pos;
            while (pos < n && d[pos] != '"')
                ++pos;
            laenge = pos - anfang;
            while (pos < n && d[pos] != ',')
                ++pos;
        } else {
            while (pos < n && d[pos] != ',')
                ++pos;
            laenge = pos - anfang;
        }
        const QByteArrayView element(d + anfang, laenge);
        if (kopf.moeglich && element == QByteArrayView(kopf.bytes))
            e.istKopf = true;
        if (element.startsWith('['))
            e.beginntAbschnitt = true;
        if (erstes && element.startsWith(';'))
            e.istKommentar = true;
        erstes = false;
        if (pos < n)
            ++pos; // das Komma
    } while (pos < n);
    return e;
}

// das Zeilenende der ersten Zeile, die eines hat
QByteArrayView zeilenendeDerDatei(QByteArrayView bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            return "\n";
        if (bytes[i] == '\r')
            return (i + 1 < bytes.size() && bytes[i + 1] == '\n') ? "\r\n" : "\r";
    }
    return "\r\n";
}

const QByteArrayView bom("\xEF\xBB\xBF");

// Nur eine Zeile mit "[" oder ";" kann den Kopf, einen Kommentar oder den nächsten Abschnitt
// tragen; alle anderen werden am Stück kopiert oder übergangen. Die Suche merkt sich das
// nächste Vorkommen, so läuft sie nur einmal über die Bytes.
class Zeichensuche {
public:
    explicit Zeichensuche(QByteArrayView bytes) : m_bytes(bytes) {}

    qsizetype klammer(qsizetype ab) { return finde(m_klammer, ab, '['); }
    qsizetype klammerOderSemikolon(qsizetype ab) {
        return std::min(klammer(ab), finde(m_semikolon, ab, ';'));
    }

private:
    qsizetype finde(qsizetype& gemerkt, qsizetype ab, char c) const {
        if (gemerkt < ab) {
            // eine leere Datei hat keine Adresse, und memchr will eine, auch für 0 Bytes
            const void* p = ab < m_bytes.size()
                                ? std::memchr(m_bytes.data() + ab, c, size_t(m_bytes.size() - ab))
                                : nullptr;
            gemerkt = p ? static_cast<const char*>(p) - m_bytes.data() : m_bytes.size();
        }
        return gemerkt;
    }

    QByteArrayView m_bytes;
    qsizetype m_klammer = -1;
    qsizetype m_semikolon = -1;
};

// die Zeile, in der stelle liegt; ab ist ein Zeilenanfang davor
ZeilenLage zeileUm(QByteArrayView bytes, qsizetype ab, qsizetype stelle) {
    while (stelle > ab && bytes[stelle - 1] != '\n' && bytes[stelle - 1] != '\r')
        --stelle;
    return zeileAb(bytes, stelle);
}

} // namespace

QByteArray ersetzeAbschnitt(const QByteArray& alt, const AbschnittsFormat& format,
                            const Schluesselzeilen& schluessel) {
    const Kodierung kodierung = erkenneKodierung(alt);
    const QByteArrayView bytes(alt);
    const qsizetype n = bytes.size();
    const QByteArrayView ende = zeilenendeDerDatei(bytes);
    const KopfBytes kopf(QLatin1Char('[') + format.abschnitt + QLatin1Char(']'), kodierung);
    // ein BOM zählt nur am Dateianfang nicht zur ersten Zeile
    const qsizetype bomLaenge = kodierung == Kodierung::Utf8 && bytes.startsWith(bom) ? 3 : 0;
    const auto inhalt = [&](const ZeilenLage& z) { return bytes.sliced(z.anfang, z.laenge); };

    QByteArray block;
    for (const auto& [name, wert] : schluessel) {
        const QString zeile =
            name + (format.blankNachGleich ? QStringLiteral("= ") : QStringLiteral("=")) + wert;
        block += kodiere(zeile, kodierung);
        block += ende;
    }
    block += ' ';
    block += ende;

    // bis zum Kopf einschließlich bleibt alles, wie es ist
    Zeichensuche suche(bytes);
    qsizetype pos = 0;
    bool gefunden = false;
    bool ohneEnde = false; // die letzte kopierte Zeile hat kein Zeilenende
    while (!gefunden) {
        const qsizetype stelle = suche.klammer(pos);
        if (stelle >= n) {
            ohneEnde = n > 0 && bytes.back() != '\n' && bytes.back() != '\r';
            pos = n;
            break;
        }
        const ZeilenLage z = zeileUm(bytes, pos, stelle);
        const qsizetype weg = z.anfang == 0 ? std::min(bomLaenge, z.laenge) : 0;
        gefunden = ordneEin(inhalt(z).sliced(weg), kopf).istKopf;
        ohneEnde = z.endeLaenge == 0;
        pos = z.naechste();
    }

    QByteArray neu;
    neu.reserve(n + 2 * ende.size() + kopf.bytes.size() + block.size());
    neu += bytes.first(pos);
    if (ohneEnde)
        neu += ende;
    if (!gefunden) {
        // Ohne seinen Kopf gehörte der Block dem letzten Abschnitt der Datei, dem eines
        // anderen Programms; sein eigener Leser fände ihn nie.
        neu += kopf.bytes;
        neu += ende;
        neu += block;
        return neu;
    }
    neu += block;

    // den alten Abschnitt überspringen; seine Kommentare bleiben
    while (pos < n) {
        const qsizetype stelle = suche.klammerOderSemikolon(pos);
        if (stelle >= n) {
            pos = n;
            break;
        }
        const ZeilenLage z = zeileUm(bytes, pos, stelle);
        const Einordnung e = ordneEin(inhalt(z), kopf);
        if (e.beginntAbschnitt) {
            pos = z.anfang;
            break;
        }
        if (e.istKommentar) {
            neu += inhalt(z);
            neu += z.endeLaenge > 0 ? bytes.sliced(z.anfang + z.laenge, z.endeLaenge) : ende;
        }
        pos = z.naechste();
    }
    // der Rest am Stück; die letzte Zeile behält ihr fehlendes Zeilenende
    neu += bytes.sliced(pos);
    return neu;
}

namespace {

[[noreturn]] void zugriffsfehler(const QString& pfad) {
    throw Laufzeitfehler(Laufzeitfehler::DateiZugriff, QStringLiteral("Pfad/Datei-Zugriffsfehler"),
                         pfad);
}

// schließt den Deskriptor auf jedem Weg
class Deskriptor {
public:
    explicit Deskriptor(int fd) : m_fd(fd) {}
    ~Deskriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;

    int fd() const { return m_fd; }
    bool schliesse() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

// die Zugriffsrechte der alten Datei; 0644, wenn sie sich nicht ermitteln lassen
mode_t rechteVon(const QByteArray& name) {
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return 0644;
    return st.st_mode & (S_IRWXU | S_IRWXG | S_IRWXO);
}

bool schreibeGanz(int fd, const QByteArray& inhalt) {
    qsizetype geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t n =
            ::write(fd, inhalt.constData() + geschrieben, size_t(inhalt.size() - geschrieben));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        geschrieben += n;
    }
    return true;
}

// Die temporäre Datei wird neu angelegt: was unter ihrem Namen liegt (eine alte temporäre
// Datei, ein Verweis, eine Röhre), wird ersetzt, nie durch einen Verweis hindurch beschrieben.
// Scheitert etwas, bleibt keine halbe Datei liegen.
void schreibeGanzUndSichere(const QString& pfad, const QByteArray& inhalt, mode_t rechte) {
    const QByteArray name = QFile::encodeName(pfad);
    ::unlink(name.constData()); // ein Ordner bleibt und lässt das Anlegen scheitern
    Deskriptor datei(::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, rechte));
    if (datei.fd() < 0)
        zugriffsfehler(pfad);
    // fchmod, weil open die Rechte noch um die umask kürzt
    const bool gut = ::fchmod(datei.fd(), rechte) == 0 && schreibeGanz(datei.fd(), inhalt) &&
                     ::fsync(datei.fd()) == 0 && datei.schliesse();
    if (!gut) {
        ::unlink(name.constData());
        zugriffsfehler(pfad);
    }
}

} // namespace

void schreibeAbschnitt(const QString& iniDatei, const AbschnittsFormat& format,
                       const Schluesselzeilen& zeilen) {
    const QByteArray iniName = QFile::encodeName(iniDatei);
    const QByteArray neu = ersetzeAbschnitt(leseDatei(iniDatei), format, zeilen);
    const QString tmp = QFileInfo(iniDatei).absoluteDir().filePath(format.temporaereDatei);
    schreibeGanzUndSichere(tmp, neu, rechteVon(iniName));
    // rename ersetzt die alte Datei in einem Schritt: es bleibt die alte oder die neue
    const QByteArray tmpName = QFile::encodeName(tmp);
    if (std::rename(tmpName.constData(), iniName.constData()) != 0) {
        ::unlink(tmpName.constData());
        zugriffsfehler(iniDatei);
    }
    // auch den Verzeichniseintrag auf die Platte bringen
    const QByteArray ordner = QFile::encodeName(QFileInfo(iniDatei).absolutePath());
    const Deskriptor verzeichnis(::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (verzeichnis.fd() >= 0)
        ::fsync(verzeichnis.fd());
}

QString iniSchalter(bool ein) {
    return ein ? QStringLiteral("1") : QStringLiteral("0");
}

QString iniZahl(double zahl) {
    // "inf" oder "nan" in der Datei läse niemand als Zahl zurück
    if (!std::isfinite(zahl))
        throw Laufzeitfehler(Laufzeitfehler::Ueberlauf, QStringLiteral("Überlauf"),
                             QString::number(zahl));
    // auf 15 Stellen gerundet läge eine Zahl nahe am Größten über dem Bereich: dann alle Stellen
    constexpr double groessteMit15Stellen = 1.79769313486231e308;
    if (std::abs(zahl) > groessteMit15Stellen)
        return QString::number(zahl, 'g', QLocale::FloatingPointShortest);
    return QString::number(zahl, 'g', 15);
}

QString iniGanzzahl(long long zahl) {
    return QString::number(zahl);
}

} // namespace varku
