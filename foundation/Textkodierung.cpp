#include "foundation/Textkodierung.h"

#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
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
    QStringDecoder dekoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = dekoder.decode(bytes);
    (void)s;
    return dekoder.hasError() ? Kodierung::Windows1252 : Kodierung::Utf8;
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

Textdatei leseTextdatei(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(pfad))
            throw Laufzeitfehler(Laufzeitfehler::DateiNichtGefunden,
                                 QStringLiteral("Datei nicht gefunden"), pfad);
        throw Laufzeitfehler(Laufzeitfehler::DateiZugriff,
                             QStringLiteral("Pfad/Datei-Zugriffsfehler"), pfad);
    }
    Textdatei t;
    t.bytes = f.readAll();
    t.kodierung = erkenneKodierung(t.bytes);
    t.text = dateiText(t.bytes);
    return t;
}

} // namespace varku
