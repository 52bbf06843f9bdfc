#include "frame/rdbManager.h"

#include "foundation/DateiInfoFrm.h"
#include "foundation/Global.h"
#include "frame/GlobModul.h"

#include <QLabel>

namespace varku {

db::Recordset rdb;
db::Recordset ruv;
db::Recordset phr;
db::Recordset tts;

int AnzahlWoerter = 0;
QString RuvoFeldName;

QString Wort;
QString Kontext;
QString Beispielsatz;
QString WaveDat;
int16_t KomplexInd = 0;
int vonPos = 0;
int bisPos = 0;
QString WortTranskr;
QString SatzTranskr;

namespace {

// alle Wörter, wie geöffnet: jeder neue Filter beginnt hier
db::Recordset& alleWoerter() {
    static db::Recordset r;
    return r;
}

QString refNrKriterium() {
    return QStringLiteral("RefNr=") +
           QString::number(rdb.feld(QStringLiteral("RefNr")).alsGanzzahl());
}

} // namespace

void leereWortangaben() {
    Wort.clear();
    Kontext.clear();
    Beispielsatz.clear();
    WaveDat.clear();
    KomplexInd = 0;
    vonPos = bisPos = 0;
    WortTranskr.clear();
    SatzTranskr.clear();
}

void oeffneWortDatenbank(const QString& pfad) {
    alleWoerter() = db::Recordset::oeffne(pfad, QStringLiteral("WortListe"));
    rdb = alleWoerter();
    ruv = db::Recordset::oeffne(pfad, QStringLiteral("LupenStellen"));
    phr = db::Recordset::oeffne(pfad, QStringLiteral("SemSynt"));
    tts = db::Recordset::oeffne(pfad, QStringLiteral("Transkripte"));
    AnzahlWoerter = 0;
}

void setzeWortFilter(bool nurGws) {
    rdb = alleWoerter();
    QString filter = RuvoFeldName + QStringLiteral("=TRUE");
    if (nurGws)
        filter = QStringLiteral("GWS=TRUE AND ") + filter;
    rdb = rdb.gefiltert(filter);
    if (rdb.RecordCount() > 0) {
        rdb.MoveLast();
        AnzahlWoerter = rdb.RecordCount();
        rdb.MoveFirst();
    } else {
        AnzahlWoerter = 0;
    }
    DateiInfoFrm& info = DateiInfoFrm::instanz();
    info.DatInfLbl[1]->setText(nurGws ? QStringLiteral("ja") : QStringLiteral("nein"));
    info.DatInfLbl[0]->setText(QString::number(AnzahlWoerter));
}

void positioniereWort(int position) {
    if (rdb.Eof() || rdb.Bof())
        rdb.MoveFirst();
    rdb.Move(position - 1 - rdb.AbsolutePosition());
}

bool sucheLupenStelle() {
    if (!ruv.FindFirst(refNrKriterium()))
        return false;
    const long long n = rdb.feld(QStringLiteral("RefNr")).alsGanzzahl();
    while (!ruv.Eof() && ruv.feld(QStringLiteral("RefNr")).alsGanzzahl() == n) {
        if (ruv.feld(QStringLiteral("ruvo")).alsGanzzahl() == UebNr)
            return true;
        ruv.MoveNext();
    }
    return false;
}

void bildeSatzKontext(bool mitWort) {
    Beispielsatz.clear();
    if (!phr.FindFirst(refNrKriterium()))
        return;
    const QString satz = phr.feld(QStringLiteral("SatzKontext")).alsText();
    const QString luecke = mitWort ? Wort : QString(qMin(Wort.size(), qsizetype(10)), u'_');
    const qsizetype p = satz.indexOf(u'@');
    // Ein Satz ohne "@" bekommt die Lücke vorn, wie in den Spielen.
    Beispielsatz = p < 0 ? luecke + satz : satz.left(p) + luecke + satz.mid(p + 1);
}

void ladeTranskripte() {
    WortTranskr.clear();
    SatzTranskr.clear();
    if (!tts.FindFirst(refNrKriterium()))
        return;
    const QString wort = tts.feld(QStringLiteral("WortTranskr")).alsText();
    const QString satz = tts.feld(QStringLiteral("SatzTranskr")).alsText();
    if (TranskripteWoerter && !wort.isEmpty())
        WortTranskr = wort;
    if (TranskripteSaetze && !satz.isEmpty())
        SatzTranskr = satz;
}

} // namespace varku
