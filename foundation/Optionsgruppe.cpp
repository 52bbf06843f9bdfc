#include "foundation/Optionsgruppe.h"

namespace varku {

namespace {

void setzeFokusArten(const std::vector<QRadioButton*>& gruppe) {
    QRadioButton* gewaehlt = nullptr;
    for (QRadioButton* b : gruppe)
        if (b->isChecked())
            gewaehlt = b;
    // ohne Wahl betritt Tab die Gruppe an ihrer ersten Option
    if (!gewaehlt && !gruppe.empty())
        gewaehlt = gruppe.front();
    for (QRadioButton* b : gruppe)
        b->setFocusPolicy(b == gewaehlt ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace

void tabNurAufGewaehlte(const std::vector<QRadioButton*>& gruppe) {
    setzeFokusArten(gruppe);
    for (QRadioButton* b : gruppe)
        QObject::connect(b, &QRadioButton::toggled, b, [gruppe] { setzeFokusArten(gruppe); });
}

} // namespace varku
