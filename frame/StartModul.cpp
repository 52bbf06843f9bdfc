#include "frame/StartModul.h"

#include "foundation/Global.h"
#include "foundation/Hintergrundfenster.h"
#include "frame/VarkuForm.h"
#include "frame/VarkuLogoForm.h"
#include "frame/WillkommenFrm.h"
#include "platform/Dienste.h"

#include <QDir>

namespace varku {

int Main() {
    // der Benutzerordner gehört zum Programmordner; fehlt er, wird er angelegt
    QDir().mkpath(imProgrammordner(QStringLiteral("User")));

    ModalAnzeige& anzeige = dienste::anzeige();
    Hintergrundfenster hintergrund(QStringLiteral("VarkuHintergrundForm"), QStringLiteral("VARKU"),
                                   QStringLiteral("VarkuHintergrund.png"));
    anzeige.zeige(hintergrund);
    {
        VarkuLogoForm logo;
        anzeige.zeigeModal(logo);
    }
    {
        WillkommenFrm willkommen;
        anzeige.zeigeModal(willkommen);
    }
    VarkuForm hauptfenster;
    anzeige.zeigeModal(hauptfenster);
    return 0;
}

} // namespace varku
