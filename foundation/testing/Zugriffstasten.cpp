#include "foundation/testing/Zugriffstasten.h"

#include "platform/testing/FakeAnzeige.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <map>

namespace varku::test {

namespace {

class Tasten {
public:
    void merke(const QString& text) {
        const QKeySequence k = QKeySequence::mnemonic(text);
        if (!k.isEmpty())
            m_texte[k.toString()] << text;
    }
    void doppelte(const QString& wo, QStringList& befund) const {
        for (const auto& [taste, texte] : m_texte)
            if (texte.size() > 1)
                befund << wo + taste + QStringLiteral(": ") + texte.join(QStringLiteral(", "));
    }

private:
    std::map<QString, QStringList> m_texte;
};

void pruefeMenue(QMenu& menue, const QString& wo, QStringList& befund) {
    Tasten t;
    for (QAction* a : menue.actions()) {
        if (!a->isVisible() || a->isSeparator())
            continue;
        t.merke(a->text());
        if (QMenu* unter = a->menu())
            pruefeMenue(*unter, wo + unter->title() + QStringLiteral(" > "), befund);
    }
    t.doppelte(wo, befund);
}

// ohne Folgen verlassen: "nein" vor "abbrechen" vor "OK"
void verlasse(QWidget& w) {
    for (const char* text : {"nein", "abbrechen", "OK"})
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
            if (b->isVisible() && b->isEnabled() &&
                b->text().remove(QLatin1Char('&')) == QLatin1String(text)) {
                b->click();
                return;
            }
    w.hide();
}

QStringList doppelte(QWidget& fenster) {
    Tasten t;
    QStringList befund;
    for (QWidget* w : fenster.findChildren<QWidget*>()) {
        if (w->window() != &fenster || !w->isVisibleTo(&fenster))
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            t.merke(b->text());
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->buddy())
                t.merke(l->text());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            t.merke(g->title());
        } else if (auto* reiter = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < reiter->count(); ++i)
                t.merke(reiter->tabText(i));
        } else if (auto* leiste = qobject_cast<QMenuBar*>(w)) {
            for (QAction* a : leiste->actions()) {
                if (!a->isVisible() || a->isSeparator())
                    continue;
                t.merke(a->text());
                if (QMenu* m = a->menu())
                    pruefeMenue(*m, m->title() + QStringLiteral(" > "), befund);
            }
        }
    }
    t.doppelte(QString(), befund);
    return befund;
}

std::string alsText(const QStringList& befund) {
    return befund.join(QLatin1Char('\n')).toStdString();
}

} // namespace

std::string doppelteZugriffstasten(QWidget& fenster) {
    return alsText(doppelte(fenster));
}

std::string doppelteZugriffstastenMitMenues(QMainWindow& fenster, FakeAnzeige& anzeige) {
    QStringList befund = doppelte(fenster);
    QList<QAction*> eintraege;
    for (QAction* titel : fenster.menuBar()->actions())
        if (QMenu* m = titel->menu())
            for (QAction* a : m->actions())
                if (a->isVisible() && a->isEnabled() && !a->isSeparator() && !a->menu())
                    eintraege << a;
    for (QAction* a : eintraege) {
        anzeige.dann([&befund](QWidget& w) {
            for (const QString& b : doppelte(w))
                befund << w.windowTitle() + QStringLiteral(": ") + b;
            verlasse(w);
        });
        const qsizetype vorher = anzeige.protokoll.size();
        a->trigger();
        // zeigte der Eintrag kein Fenster (eine Hilfe), nimmt ein leeres das Skript
        if (anzeige.protokoll.size() == vorher) {
            QWidget leer;
            anzeige.zeigeModal(leer);
        }
    }
    return alsText(befund);
}

} // namespace varku::test
