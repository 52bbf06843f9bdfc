#include "foundation/Systemmeldung.h"

#include "platform/Dienste.h"

#include <QMessageBox>
#include <QPushButton>

namespace varku {

void zeigeSystemmeldung(const QString& text, const QString& titel, QWidget* eltern) {
    QMessageBox box(QMessageBox::NoIcon, titel, text, QMessageBox::NoButton, eltern);
    box.setObjectName(QStringLiteral("Systemmeldung"));
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    ok->setObjectName(QStringLiteral("okBtn"));
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    dienste::anzeige().zeigeModal(box);
}

} // namespace varku
