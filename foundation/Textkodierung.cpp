#include "foundation/Textkodierung.h"

#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace varku {

namespace {

// Die Belegung von 0x80 bis 0x9F; die fünf freien Stellen bleiben als Steuerzeichen erhalten,
// damit jede Datei verlustfrei gelesen und zurückgeschrieben werden kann.
constexpr std::array<char16_t, 32> cp1252Oben = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

Kodierung erkenneKodierung(const QByteArray& bytes) {
    // in Stücken prüfen, damit eine große Datei nicht ganz als Text im Speicher steht; ein Stück
    // endet vor einem Byte, das kein Folgebyte ist, also nie mitten in einem Zeichen
    constexpr qsizetype stueck = 64 * 1024;
    const auto folgebyte = [&](qsizetype i) { return (uchar(bytes.at(i)) & 0xC0) == 0x80; };
    const qsizetype n = bytes.size();
    for (qsizetype a = 0; a < n;) {
        qsizetype e = std::min(n, a + stueck);
        if (e < n) {
            qsizetype k = e;
            while (k > a && k > e - 4 && folgebyte(k))
                --k;
            // mehr als drei Folgebytes in Reihe sind ohnehin ungültig
            if (k > a && !folgebyte(k))
                e = k;
        }
        QStringDecoder dekoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        // decode() dekodiert erst, wenn das Ergebnis zum Text wird
        const QString text = dekoder.decode(QByteArrayView(bytes).sliced(a, e - a));
        if (dekoder.hasError())
            return Kodierung::Windows1252;
        a = e;
    }
    return Kodierung::Utf8;
}

QString dekodiere(const QByteArray& bytes, Kodierung k) {
    if (k == Kodierung::Utf8) {
        // ein BOM bleibt ein Zeichen: nur am Dateianfang wird es übergangen (dateiText)
        QStringDecoder dekoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return dekoder.decode(bytes);
    }
    QString s;
    s.reserve(bytes.size());
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80 && u <= 0x9F)
            s.append(QChar(cp1252Oben[u - 0x80]));
        else
            s.append(QChar(char16_t(u)));
    }
    return s;
}

QByteArray kodiere(const QString& text, Kodierung k) {
    if (k == Kodierung::Utf8)
        return text.toUtf8();
    QByteArray b;
    b.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b.append(char(u));
            continue;
        }
        char zeichen = '?';
        for (int i = 0; i < 32; ++i)
            if (cp1252Oben[i] == u) {
                zeichen = char(0x80 + i);
                break;
            }
        b.append(zeichen);
    }
    return b;
}

QString dateiText(const QByteArray& bytes) {
    const Kodierung k = erkenneKodierung(bytes);
    if (k == Kodierung::Utf8 && bytes.startsWith("\xEF\xBB\xBF"))
        return dekodiere(bytes.mid(3), k);
    return dekodiere(bytes, k);
}

QByteArray leseDatei(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(pfad))
            throw Laufzeitfehler(Laufzeitfehler::DateiNichtGefunden,
                                 QStringLiteral("Datei nicht gefunden"), pfad);
        throw Laufzeitfehler(Laufzeitfehler::DateiZugriff,
                             QStringLiteral("Pfad/Datei-Zugriffsfehler"), pfad);
    }
    return f.readAll();
}

Textdatei leseTextdatei(const QString& pfad) {
    Textdatei t;
    t.bytes = leseDatei(pfad);
    t.kodierung = erkenneKodierung(t.bytes);
    t.text = dateiText(t.bytes);
    return t;
}

} // namespace varku
