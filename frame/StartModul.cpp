#include "frame/StartModul.h"

#include "foundation/Bilder.h"
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
    // das Logo lädt, während der Hintergrund entsteht
    const std::shared_future<QImage> logoBild =
        ladeBildImHintergrund(QStringLiteral("VarkuLogo.png"));
    Hintergrundfenster hintergrund(QStringLiteral("VarkuHintergrundForm"), QStringLiteral("VARKU"),
                                   QStringLiteral("VarkuHintergrund.png"));
    anzeige.zeige(hintergrund);
    // erst der Hintergrund auf dem Schirm, dann das Logo bauen
    hintergrund.warteAufErstesBild();
    {
        VarkuLogoForm logo(QPixmap::fromImage(logoBild.get()));
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
