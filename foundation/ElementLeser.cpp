#include "foundation/ElementLeser.h"

namespace varku {

ElementLeser::ElementLeser(QString text) : m_text(std::move(text)) {}

bool ElementLeser::zeilenende(qsizetype i) const {
    const QChar c = m_text.at(i);
    return c == u'\n' || c == u'\r';
}

QString ElementLeser::naechstes() {
    const qsizetype n = m_text.size();
    while (m_pos < n && (m_text.at(m_pos) == u' ' || m_text.at(m_pos) == u'\t'))
        ++m_pos;
    QString element;
    if (m_pos < n && m_text.at(m_pos) == u'"') {
        ++m_pos;
        const qsizetype anfang = m_pos;
        while (m_pos < n && m_text.at(m_pos) != u'"' && !zeilenende(m_pos))
            ++m_pos;
        element = m_text.mid(anfang, m_pos - anfang);
        if (m_pos < n && m_text.at(m_pos) == u'"')
            ++m_pos;
        while (m_pos < n && m_text.at(m_pos) != u',' && !zeilenende(m_pos))
            ++m_pos;
    } else {
        const qsizetype anfang = m_pos;
        while (m_pos < n && m_text.at(m_pos) != u',' && !zeilenende(m_pos))
            ++m_pos;
        element = m_text.mid(anfang, m_pos - anfang);
    }
    if (m_pos < n && m_text.at(m_pos) == u',') {
        ++m_pos;
        m_zeileOffen = true;
    } else {
        // Zeilenende: CR LF zählt als eines
        if (m_pos < n && m_text.at(m_pos) == u'\r') {
            ++m_pos;
            if (m_pos < n && m_text.at(m_pos) == u'\n')
                ++m_pos;
        } else if (m_pos < n && m_text.at(m_pos) == u'\n') {
            ++m_pos;
        }
        m_zeileOffen = false;
    }
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

QString erstesElement(const QString& zeile) {
    ElementLeser l(zeile);
    return l.naechstes();
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
