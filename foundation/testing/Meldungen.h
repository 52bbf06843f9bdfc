#pragma once

#include "foundation/MldFenster.h"
#include "platform/testing/FakeAnzeige.h"

#include <QLabel>
#include <QStringList>

namespace varku::test {

// Die nächste Meldung wird als "Titel: Text" gemerkt und mit ihrem ersten Knopf geschlossen
inline void merkeMeldung(FakeAnzeige& anzeige, QStringList& meldungen) {
    anzeige.dann([&meldungen](QWidget& w) {
        meldungen << w.windowTitle() + QStringLiteral(": ") +
                         static_cast<MldFenster&>(w).Meldung->text();
        klicke(w, QStringLiteral("Btn1"));
    });
}

} // namespace varku::test
