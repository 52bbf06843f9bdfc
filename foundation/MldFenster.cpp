#include "foundation/MldFenster.h"

#include "foundation/Symbole.h"
#include "foundation/Twips.h"
#include "platform/Bildschirm.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace varku {

const MeldungsEntwurf MldFenster::entwurf{};

MldFenster::MldFenster()
    : Meldungsrahmen(QStringLiteral("MldFenster"), QStringLiteral("Meldung"),
                     {meldungsSymbol(48), "#fffbe8", "#e8c860"}) {
    setzeTwips(*Bild, entwurf.bildLinks, entwurf.bildOben, entwurf.bildGroesse,
               entwurf.bildGroesse);

    MeldungsFlaeche = new QScrollArea(MldFrame);
    MeldungsFlaeche->setObjectName(QStringLiteral("MeldungsFlaeche"));
    MeldungsFlaeche->setFrameShape(QFrame::NoFrame);
    MeldungsFlaeche->setFocusPolicy(Qt::NoFocus); // die Tastatur bleibt bei den Knöpfen
    MeldungsFlaeche->viewport()->setAutoFillBackground(false);
    Meldung = neuerText(QStringLiteral("Meldung"), 1.25);
    MeldungsFlaeche->setWidget(Meldung);
    Meldung->setAutoFillBackground(false); // der Rahmen scheint durch
    MeldungsFlaeche->move(px(entwurf.meldungLinks), px(entwurf.meldungOben));

    Btn1 = neuerKnopf(QString(), QStringLiteral("Btn1"));
    Btn2 = neuerKnopf(QString(), QStringLiteral("Btn2"));
    for (QPushButton* b : {Btn1, Btn2}) {
        b->setVisible(false);
        b->resize(px(entwurf.knopfBreite), px(entwurf.knopfHoehe));
        b->setAutoDefault(false);
    }
    verbinde(Btn1, &QPushButton::clicked, this, &MldFenster::Btn1_Click);
    verbinde(Btn2, &QPushButton::clicked, this, &MldFenster::Btn2_Click);
}

void MldFenster::setzeAntwort(const QString& caption) {
    QString a = caption;
    a.remove(QLatin1Char('&'));
    Antwort = a;
}

void MldFenster::Btn1_Click() {
    setzeAntwort(Btn1->text());
    hide();
    Btn1->setVisible(false);
}

void MldFenster::Btn2_Click() {
    setzeAntwort(Btn2->text());
    hide();
    Btn2->setVisible(false);
}

QPushButton* MldFenster::abbrechenKnopf() const {
    if (Btn1->isVisible() != Btn2->isVisible())
        return Btn1->isVisible() ? Btn1 : Btn2;
    if (!Btn2->isVisible())
        return nullptr;
    // eine Frage: abbrechen heißt "nein", wo es steht, sonst der zweite Knopf
    return Btn1->text() == QStringLiteral("&nein") ? Btn1 : Btn2;
}

namespace {

// die Größe des Textes in der Breite b, umbrochen
QSize umbrochen(QLabel& text, int b) {
    text.setWordWrap(true);
    // ein Wort, das allein breiter ist, bricht nicht: dann wird gerollt
    const int breite = std::max(b, text.minimumSizeHint().width());
    return {breite, text.heightForWidth(breite)};
}

} // namespace

void MldFenster::ordneAn(const QString& text, const QString& knopf1, const QString& knopf2,
                         const QString& titel) {
    setWindowTitle(titel);
    Meldung->setText(alsAnzeigeText(text));

    // so groß darf der Text sein, damit das Fenster samt Rand auf den Bildschirm passt
    winId(); // mit dem Fenster des Systems ist sein Rand bekannt, soweit das System ihn kennt
    const QRect flaeche = verfuegbareFlaeche(*this);
    const QMargins rand = fensterRand(*this);
    const int breiteMax = std::max(
        1, int(hoechsteTextBreite(entwurf, twips(flaeche.width() - rand.left() - rand.right())) /
               twipsJePixel));
    const int hoeheMax = std::max(
        1, int(hoechsteTextHoehe(entwurf, twips(flaeche.height() - rand.top() - rand.bottom())) /
               twipsJePixel));

    // Was passt, steht in seiner eigenen Größe; eine zu lange Zeile wird umbrochen.
    Meldung->setWordWrap(false);
    QSize groesse = Meldung->sizeHint();
    if (groesse.width() > breiteMax)
        groesse = umbrochen(*Meldung, breiteMax);
    // Passt es auch umbrochen nicht, rollt der Text neben einer Leiste.
    const int leiste = MeldungsFlaeche->verticalScrollBar()->sizeHint().width();
    const bool rollen = groesse.height() > hoeheMax;
    if (rollen && groesse.width() + leiste > breiteMax)
        groesse = umbrochen(*Meldung, std::max(1, breiteMax - leiste));
    const bool quer = groesse.width() + (rollen ? leiste : 0) > breiteMax;
    Meldung->resize(groesse);
    QSize sicht(std::min(groesse.width() + (rollen ? leiste : 0), breiteMax),
                std::min(groesse.height() + (quer ? leiste : 0), hoeheMax));
    MeldungsFlaeche->setVerticalScrollBarPolicy(rollen ? Qt::ScrollBarAlwaysOn
                                                       : Qt::ScrollBarAlwaysOff);
    MeldungsFlaeche->setHorizontalScrollBarPolicy(quer ? Qt::ScrollBarAlwaysOn
                                                       : Qt::ScrollBarAlwaysOff);
    MeldungsFlaeche->resize(sicht);
    MeldungsFlaeche->verticalScrollBar()->setValue(0);
    MeldungsFlaeche->horizontalScrollBar()->setValue(0);

    const MeldungsLayout l = ordneMeldungAn(entwurf, twips(sicht.width()), twips(sicht.height()),
                                            !knopf1.isEmpty(), !knopf2.isEmpty());
    setzeTwips(*MldFrame, entwurf.rahmenLinks, entwurf.rahmenOben, l.rahmenBreite, l.rahmenHoehe);
    const auto setzeKnopf = [&](QPushButton* b, const QString& caption, bool sichtbar,
                                double links) {
        if (!caption.isEmpty())
            b->setText(caption);
        setzeTwips(*b, links, l.knopfOben, entwurf.knopfBreite, entwurf.knopfHoehe);
        b->setVisible(sichtbar);
    };
    setzeKnopf(Btn1, knopf1, l.knopf1Sichtbar, l.knopf1Links);
    setzeKnopf(Btn2, knopf2, l.knopf2Sichtbar, l.knopf2Links);
    // Die Fensterhöhe der Anordnung zählt Titelleiste und Rand mit; hier ist sie die Fläche
    // darunter, sonst bliebe unter den Knöpfen ein leerer Streifen.
    constexpr double titelUndRand = 330;
    setFixedSize(px(l.fensterBreite), px(l.fensterHoehe - titelUndRand));
    if (l.knopf1Sichtbar)
        Btn1->setFocus();
    else if (l.knopf2Sichtbar)
        Btn2->setFocus();
}

void zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                  const QString& titel) {
    MldFenster& f = MldFenster::instanz();
    f.ordneAn(text, knopf1, knopf2, titel);
    dienste::anzeige().zeigeModal(f);
}

} // namespace varku
