#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

namespace varku {

// Der Drucker als Zeichenfläche in Twips, gemessen von der linken oberen Ecke der Seite.
// Wie beim Drucken der Programme gibt es eine aktuelle Stelle: eine gedruckte Zeile steht mit
// ihrer Oberkante dort, danach steht die Stelle am Anfang der nächsten Zeile.
class Drucker {
public:
    virtual ~Drucker() = default;

    // beginnt ein Dokument; false, wenn kein Drucker und keine Datei zu haben ist
    virtual bool beginne(const QString& dokument) = 0;
    // beendet es und gibt es aus; false, wenn das scheitert
    virtual bool beende() = 0;
    // bricht ein begonnenes Dokument ab
    virtual void verwirf() = 0;
    virtual void neueSeite() = 0;

    // der bedruckbare Bereich der Seite
    virtual QRectF seitenbereich() const = 0;

    virtual double x() const = 0;
    virtual double y() const = 0;
    virtual void setzeX(double x) = 0;
    virtual void setzeY(double y) = 0;

    virtual void setzeSchrift(const QString& name, double groesse, bool fett, bool kursiv) = 0;
    virtual double textBreite(const QString& text) const = 0;
    virtual double zeilenHoehe() const = 0;
    // druckt eine Zeile an der aktuellen Stelle; danach steht y eine Zeile tiefer, x links
    virtual void druckeZeile(const QString& text) = 0;

    // ein gefülltes Rechteck zwischen zwei Ecken
    virtual void rechteck(double x1, double y1, double x2, double y2) = 0;
    // ein Bild aus dem Grafikordner an eine Stelle; seine Größe in Twips
    virtual void bild(const QString& name, double x, double y) = 0;
    virtual QSizeF bildGroesse(const QString& name) const = 0;

    // wohin das Dokument ging: der Name des Druckers oder der Pfad der Datei
    virtual QString ziel() const = 0;
};

} // namespace varku
