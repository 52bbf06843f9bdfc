#include "platform/testing/FakeAnzeige.h"

#include "platform/Anwendung.h"

#include <QAbstractButton>
#include <QTest>
#include <QWidget>
#include <stdexcept>

namespace varku::test {

void FakeAnzeige::zeigeModal(QWidget& fenster) {
    // wie die echte Anzeige: geht das Programm zu Ende, öffnet sich nichts mehr
    if (Anwendung::endet())
        return;
    protokoll << QStringLiteral("modal:") + fenster.objectName();
    fenster.show();
    if (m_skripte.empty()) {
        ohneSkript << fenster.objectName();
        fenster.hide();
        return;
    }
    Skript s = std::move(m_skripte.front());
    m_skripte.pop_front();
    s(fenster);
}

void FakeAnzeige::entlasse(QWidget& fenster) {
    entlassen << fenster.objectName();
}

void FakeAnzeige::zeige(QWidget& fenster) {
    if (Anwendung::endet())
        return;
    protokoll << fenster.objectName();
    fenster.show();
}

void FakeAnzeige::dannKlicke(const QString& knopf) {
    dann([knopf](QWidget& w) { klicke(w, knopf); });
}

void klicke(QWidget& fenster, const QString& knopf) {
    auto* b = fenster.findChild<QAbstractButton*>(knopf);
    if (!b)
        throw std::runtime_error("Knopf nicht gefunden: " + knopf.toStdString() + " in " +
                                 fenster.objectName().toStdString());
    if (!b->isVisible() || !b->isEnabled())
        throw std::runtime_error("Knopf nicht bedienbar: " + knopf.toStdString());
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace varku::test
