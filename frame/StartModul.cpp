#include "StartModul.h"

#include "Dienste.h"
#include "GlobModul.h"
#include "Global.h"
#include "VarkuForm.h"
#include "VarkuHintergrundForm.h"
#include "VarkuLogoForm.h"
#include "WillkommenFrm.h"

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
