#include "frame/StartModul.h"

#include "foundation/Global.h"
#include "frame/GlobModul.h"
#include "frame/VarkuForm.h"
#include "frame/VarkuHintergrundForm.h"
#include "frame/VarkuLogoForm.h"
#include "frame/WillkommenFrm.h"
#include "platform/Dienste.h"

#include <QDir>

namespace varku {

int Main() {
    uebungGewaehlt = false;
    ErledigtAnz = 0;
    UserPfad = imProgrammordner(QStringLiteral("User"));
    SprachPfad = imProgrammordner(QStringLiteral("Sprache"));
    // der Benutzerordner gehört zum Programmordner; fehlt er, wird er angelegt
    QDir().mkpath(UserPfad);

    ModalAnzeige& anzeige = dienste::anzeige();
    VarkuHintergrundForm hintergrund;
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
