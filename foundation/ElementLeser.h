#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

namespace varku {

// Liest einen Text Element für Element, wie alle Textdateien des Systems gelesen werden:
// ein Element endet an einem Komma oder am Zeilenende (CR LF, LF oder CR), Leerzeichen und
// Tabulatoren davor fallen weg, ein Element in doppelten Anführungszeichen läuft bis zum
// schließenden Zeichen (ein Komma darin bleibt) und wird ohne die Zeichen genommen; was danach
// bis zum Trenner folgt, fällt weg. Ein offenes Anführungszeichen endet am Zeilenende.
class ElementLeser {
public:
    explicit ElementLeser(QString text);

    bool amEnde() const { return m_pos >= m_text.size(); }
    // das nächste Element; am Ende der leere Text
    QString naechstes();
    // die übrigen Elemente der laufenden Zeile (mindestens eines, solange nicht am Ende)
    QStringList restDerZeile();
    // ob nach dem letzten Element ein Komma stand, die Zeile also weitergeht
    bool zeileOffen() const { return m_zeileOffen; }

private:
    QString m_text;
    qsizetype m_pos = 0;
    bool m_zeileOffen = false;
};

// alle Elemente eines Textes
QStringList alleElemente(const QString& text);

// Wo eine Zeile in den Bytes steht, ohne sie zu kopieren: Inhalt ab anfang, laenge Bytes lang,
// danach das Zeilenende (2 bei CR LF, 1 bei CR oder LF, 0 bei der letzten Zeile ohne Zeilenende).
struct ZeilenLage {
    qsizetype anfang = 0;
    qsizetype laenge = 0;
    qsizetype endeLaenge = 0;

    qsizetype naechste() const { return anfang + laenge + endeLaenge; }
};
// die Zeile, die bei ab beginnt (0 <= ab < bytes.size()); Zeilenenden wie bei zerlegeInZeilen
ZeilenLage zeileAb(QByteArrayView bytes, qsizetype ab);

// Eine Zeile der Datei, wie sie steht: Inhalt und Zeilenende (leer bei der letzten Zeile
// ohne Zeilenende).
struct RohZeile {
    QByteArray inhalt;
    QByteArray ende;
};
// zerlegt Bytes in Zeilen an CR LF, LF und CR; Bytes ohne Zeilenende nach dem letzten
// Zeilenende bilden eine letzte Zeile
std::vector<RohZeile> zerlegeInZeilen(const QByteArray& bytes);

} // namespace varku
