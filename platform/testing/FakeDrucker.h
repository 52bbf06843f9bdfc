#pragma once

#include "platform/Drucker.h"

#include <QMap>
#include <QStringList>

namespace varku::test {

// Ein Drucker, der jede Zeichnung als Zeile mitschreibt. Maße wie bei einer einfachen Schrift:
// ein Zeichen ist halb so breit wie die Schrift hoch, eine Zeile 1,2 mal die Schriftgröße,
// alles in Twips (ein Punkt sind 20 Twips).
class FakeDrucker : public Drucker {
public:
    bool beginne(const QString& dokument) override {
        if (!geht)
            return false;
        ops << QStringLiteral("Dokument ") + dokument;
        m_x = m_y = 0;
        ++seiten;
        return true;
    }
    bool beende() override {
        ops << QStringLiteral("Ende");
        return beendenGeht;
    }
    void verwirf() override { ops << QStringLiteral("Verworfen"); }
    void neueSeite() override {
        ops << QStringLiteral("Seite");
        m_x = m_y = 0;
        ++seiten;
    }
    QRectF seitenbereich() const override { return bereich; }
    double x() const override { return m_x; }
    double y() const override { return m_y; }
    void setzeX(double x) override { m_x = x; }
    void setzeY(double y) override { m_y = y; }
    void setzeSchrift(const QString& name, double groesse, bool fett, bool kursiv) override {
        m_schrift = QStringLiteral("%1 %2%3%4")
                        .arg(name)
                        .arg(groesse)
                        .arg(fett ? QStringLiteral(" fett") : QString())
                        .arg(kursiv ? QStringLiteral(" kursiv") : QString());
        m_groesse = groesse;
    }
    double textBreite(const QString& text) const override { return text.size() * m_groesse * 10.0; }
    double zeilenHoehe() const override { return m_groesse * 24.0; }
    void druckeZeile(const QString& text) override {
        ops << QStringLiteral("Text %1,%2 [%3] %4").arg(m_x).arg(m_y).arg(m_schrift, text);
        m_x = 0;
        m_y += zeilenHoehe();
    }
    void rechteck(double x1, double y1, double x2, double y2) override {
        ops << QStringLiteral("Balken %1,%2-%3,%4").arg(x1).arg(y1).arg(x2).arg(y2);
    }
    void bild(const QString& name, double x, double y) override {
        ops << QStringLiteral("Bild %1 %2,%3").arg(name).arg(x).arg(y);
    }
    QSizeF bildGroesse(const QString& name) const override {
        return bildGroessen.value(name, QSizeF(1440, 720));
    }
    QString ziel() const override { return zielName; }

    QStringList ops;
    QRectF bereich{0, 0, 11906, 16838}; // A4
    QMap<QString, QSizeF> bildGroessen;
    bool geht = true;
    bool beendenGeht = true;
    int seiten = 0;
    QString zielName = QStringLiteral("Testdrucker");

private:
    double m_x = 0, m_y = 0, m_groesse = 10;
    QString m_schrift;
};

} // namespace varku::test
