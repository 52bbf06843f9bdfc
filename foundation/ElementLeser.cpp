#include "foundation/ElementLeser.h"

namespace varku {

ElementLeser::ElementLeser(QString text) : m_text(std::move(text)) {}

namespace {
bool istZeilenende(char16_t c) {
    return c == u'\n' || c == u'\r';
}
} // namespace

QString ElementLeser::naechstes() {
    // über die Zeichen selbst: das läuft für jedes Zeichen jeder Textdatei
    const char16_t* const d = QStringView(m_text).utf16();
    const qsizetype n = m_text.size();
    qsizetype pos = m_pos;
    while (pos < n && (d[pos] == u' ' || d[pos] == u'\t'))
        ++pos;
    QString element;
    if (pos < n && d[pos] == u'"') {
        const qsizetype anfang = ++pos;
        while (pos < n && d[pos] != u'"' && !istZeilenende(d[pos]))
            ++pos;
        element = m_text.mid(anfang, pos - anfang);
        if (pos < n && d[pos] == u'"')
            ++pos;
        while (pos < n && d[pos] != u',' && !istZeilenende(d[pos]))
            ++pos;
    } else {
        const qsizetype anfang = pos;
        while (pos < n && d[pos] != u',' && !istZeilenende(d[pos]))
            ++pos;
        element = m_text.mid(anfang, pos - anfang);
    }
    if (pos < n && d[pos] == u',') {
        ++pos;
        m_zeileOffen = true;
    } else {
        // Zeilenende: CR LF zählt als eines
        if (pos < n && d[pos] == u'\r') {
            ++pos;
            if (pos < n && d[pos] == u'\n')
                ++pos;
        } else if (pos < n && d[pos] == u'\n') {
            ++pos;
        }
        m_zeileOffen = false;
    }
    m_pos = pos;
    return element;
}

QStringList ElementLeser::restDerZeile() {
    QStringList teile;
    if (amEnde() && !m_zeileOffen)
        return teile;
    do {
        teile << naechstes();
    } while (m_zeileOffen);
    return teile;
}

QStringList alleElemente(const QString& text) {
    ElementLeser l(text);
    QStringList alle;
    while (!l.amEnde())
        alle << l.naechstes();
    return alle;
}

ZeilenLage zeileAb(QByteArrayView bytes, qsizetype ab) {
    const char* const d = bytes.data();
    const qsizetype n = bytes.size();
    qsizetype i = ab;
    while (i < n && d[i] != '\n' && d[i] != '\r')
        ++i;
    qsizetype endeLaenge = 0;
    if (i < n)
        endeLaenge = (d[i] == '\r' && i + 1 < n && d[i + 1] == '\n') ? 2 : 1;
    return {ab, i - ab, endeLaenge};
}

std::vector<RohZeile> zerlegeInZeilen(const QByteArray& bytes) {
    std::vector<RohZeile> zeilen;
    for (qsizetype i = 0; i < bytes.size();) {
        const ZeilenLage z = zeileAb(bytes, i);
        zeilen.push_back(
            {bytes.mid(z.anfang, z.laenge), bytes.mid(z.anfang + z.laenge, z.endeLaenge)});
        i = z.naechste();
    }
    return zeilen;
}

} // namespace varku
