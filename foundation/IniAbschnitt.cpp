#include "foundation/IniAbschnitt.h"

#include "foundation/ElementLeser.h"
#include "foundation/Textkodierung.h"
#include "foundation/Zahlenwert.h"
#include "platform/Laufzeitfehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

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
        if (element.startsWith(u';'))
            continue;
        for (int i = 0; i < schluessel.size(); ++i) {
            const QString anfang = schluessel.at(i) + QLatin1Char('=');
            if (element.startsWith(anfang)) {
                setze(i, trimme(element.mid(anfang.size())));
                break;
            }
        }
    }
    return true;
}

namespace {

// Wie die Zeile beim elementweisen Lesen wirkt
struct Einordnung {
    bool istKopf = false;          // ein Element der Zeile ist genau der Kopf
    bool beginntAbschnitt = false; // ein Element beginnt mit "[" (beendet den alten Abschnitt)
    bool istKommentar = false;     // das erste Element beginnt mit ";"
};

Einordnung ordneEin(const RohZeile& z, Kodierung k, const QString& kopf, bool ersteZeile) {
    QByteArray inhalt = z.inhalt;
    if (ersteZeile && k == Kodierung::Utf8 && inhalt.startsWith("\xEF\xBB\xBF"))
        inhalt.remove(0, 3);
    ElementLeser leser(dekodiere(inhalt, k));
    Einordnung e;
    bool erstes = true;
    do {
        const QString element = leser.naechstes();
        if (element == kopf)
            e.istKopf = true;
        if (element.startsWith(u'['))
            e.beginntAbschnitt = true;
        if (erstes && element.startsWith(u';'))
            e.istKommentar = true;
        erstes = false;
    } while (!leser.amEnde());
    return e;
}

QByteArray zeilenendeDerDatei(const std::vector<RohZeile>& zeilen) {
    for (const RohZeile& z : zeilen)
        if (!z.ende.isEmpty())
            return z.ende;
    return QByteArrayLiteral("\r\n");
}

} // namespace

QByteArray ersetzeAbschnitt(const QByteArray& alt, const AbschnittsFormat& format,
                            const Schluesselzeilen& schluessel) {
    const Kodierung kodierung = erkenneKodierung(alt);
    std::vector<RohZeile> zeilen = zerlegeInZeilen(alt);
    const QByteArray ende = zeilenendeDerDatei(zeilen);
    const QString kopf = QLatin1Char('[') + format.abschnitt + QLatin1Char(']');

    QByteArray neu;
    neu.reserve(alt.size() + 512);
    const auto schreibe = [&](const RohZeile& z) {
        neu += z.inhalt;
        neu += z.ende.isEmpty() ? ende : z.ende;
    };

    size_t i = 0;
    bool gefunden = false;
    while (i < zeilen.size()) {
        const bool istKopf = ordneEin(zeilen[i], kodierung, kopf, i == 0).istKopf;
        schreibe(zeilen[i++]);
        if (istKopf) {
            gefunden = true;
            break;
        }
    }

    for (const auto& [name, wert] : schluessel) {
        const QString zeile =
            name + (format.blankNachGleich ? QStringLiteral("= ") : QStringLiteral("=")) + wert;
        neu += kodiere(zeile, kodierung);
        neu += ende;
    }
    neu += ' ';
    neu += ende;

    if (gefunden) {
        // den alten Abschnitt überspringen; seine Kommentare bleiben
        while (i < zeilen.size()) {
            const Einordnung e = ordneEin(zeilen[i], kodierung, kopf, i == 0);
            if (e.beginntAbschnitt) {
                break;
            }
            if (e.istKommentar)
                schreibe(zeilen[i]);
            ++i;
        }
        for (; i < zeilen.size(); ++i) {
            // die letzte Zeile behält ihr fehlendes Zeilenende
            neu += zeilen[i].inhalt;
            neu += zeilen[i].ende;
        }
    }
    return neu;
}

namespace {

[[noreturn]] void zugriffsfehler(const QString& pfad) {
    throw Laufzeitfehler(Laufzeitfehler::DateiZugriff, QStringLiteral("Pfad/Datei-Zugriffsfehler"),
                         pfad);
}

void schreibeGanzUndSichere(const QString& pfad, const QByteArray& inhalt) {
    const QByteArray name = QFile::encodeName(pfad);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        zugriffsfehler(pfad);
    qsizetype geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t n =
            ::write(fd, inhalt.constData() + geschrieben, size_t(inhalt.size() - geschrieben));
        if (n < 0) {
            ::close(fd);
            zugriffsfehler(pfad);
        }
        geschrieben += n;
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0)
        zugriffsfehler(pfad);
}

} // namespace

void schreibeAbschnitt(const QString& iniDatei, const AbschnittsFormat& format,
                       const Schluesselzeilen& zeilen) {
    const Textdatei alt = leseTextdatei(iniDatei);
    const QByteArray neu = ersetzeAbschnitt(alt.bytes, format, zeilen);
    const QString tmp = QFileInfo(iniDatei).absoluteDir().filePath(format.temporaereDatei);
    schreibeGanzUndSichere(tmp, neu);
    // rename ersetzt die alte Datei in einem Schritt: es bleibt die alte oder die neue
    if (std::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(iniDatei).constData()) !=
        0)
        zugriffsfehler(iniDatei);
    // auch den Verzeichniseintrag auf die Platte bringen
    const QByteArray ordner = QFile::encodeName(QFileInfo(iniDatei).absolutePath());
    const int dfd = ::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

QString iniSchalter(bool ein) {
    return ein ? QStringLiteral("1") : QStringLiteral("0");
}

QString iniZahl(double zahl) {
    return QString::number(zahl, 'g', 15);
}

QString iniGanzzahl(long long zahl) {
    return QString::number(zahl);
}

} // namespace varku
