#pragma once

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QObject>
#include <QSet>

namespace varku {

// Was ein Fenster beim ersten Zeigen unter X11 unnötig Zeit kostet.
//
// Sobald ein Fenster abgebildet ist, deckt Qt es von sich aus ganz auf, malt und überträgt das
// Bild. Das Expose des X-Servers für dasselbe Abbilden steht dann meist schon in der Schlange
// und ließe Qt das ganze Bild ein zweites Mal übertragen. Es ist überflüssig, solange Qts
// eigenes Aufdecken noch aussteht: dessen Bild kommt nach dem Abbilden beim Server an, auch
// nach allem, was der Server mit dem Expose verloren gemeldet hat.
//
// Vor dem ersten Aufdecken fragt Qt ein Fenster nach seinem Rahmen, mit einer Rundfrage an den
// Server. Kommt die erst nach dem großen Bild des vorigen Fensters an, wartet sie, bis der
// Server das Bild verarbeitet hat. Darum werden die Rahmen der Fenster, die noch auf ihr
// Aufdecken warten, schon beim Aufdecken des ersten erfragt.
class Aufdecken : public QObject, public QAbstractNativeEventFilter {
public:
    // Die Regel für die Expose-Ereignisse des Servers, ohne Fenstersystem.
    class Regel {
    public:
        void abgebildet(quint32 fenster) { m_offen.insert(fenster); }
        // verborgen, zerstört oder von Qt aufgedeckt: was der Server danach meldet, gilt
        void erledigt(quint32 fenster) { m_offen.remove(fenster); }
        bool aufdeckenStehtAus(quint32 fenster) const { return m_offen.contains(fenster); }

    private:
        QSet<quint32> m_offen; // abgebildet, Qts eigenes Aufdecken steht noch aus
    };

    explicit Aufdecken(QObject* eltern = nullptr);

    // Ereignisse des X-Servers (xcb), bevor Qt sie bearbeitet
    bool nativeEventFilter(const QByteArray& art, void* nachricht, qintptr* ergebnis) override;
    // Aufdecken und Malen der Fenster durch Qt
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

    const Regel& regel() const { return m_regel; }

    // für jede Anwendung unter X11 einmal eingerichtet
    static void richteEin(QCoreApplication& anwendung);

    // Kehrt zurück, wenn der X-Server alles bisher Gesendete bearbeitet hat, etwa das eben
    // übertragene erste Bild eines Fensters; unter anderen Fenstersystemen sofort.
    static void warteAufDenServer();

private:
    Regel m_regel;
};

} // namespace varku
