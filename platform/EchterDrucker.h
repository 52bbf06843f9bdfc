#pragma once

#include "platform/Drucker.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QString>
#include <memory>

class QPainter;
class QPaintDevice;
class QPrinter;

namespace varku {

// Der Drucker mit QPrinter und QPainter: der Systemdrucker, wenn einer eingerichtet ist, sonst
// eine PDF-Datei im Benutzerordner, benannt nach Dokument, Datum und Uhrzeit. Gezeichnet wird
// in Twips von der linken oberen Ecke des Blattes; Schriftmaße kommen vom Drucker selbst.
class EchterDrucker : public Drucker {
public:
    enum class Ausgabe {
        DruckerOderPdf, // der Systemdrucker, sonst eine PDF-Datei
        NurPdf,         // immer eine PDF-Datei (für Tests auf Rechnern mit Drucker)
    };

    EchterDrucker(QString grafikOrdner, QString userOrdner,
                  Ausgabe ausgabe = Ausgabe::DruckerOderPdf);
    ~EchterDrucker() override;

    bool beginne(const QString& dokument) override;
    bool beende() override;
    void verwirf() override;
    void neueSeite() override;

    QRectF seitenbereich() const override;

    double x() const override { return m_x; }
    double y() const override { return m_y; }
    void setzeX(double x) override { m_x = x; }
    void setzeY(double y) override { m_y = y; }

    void setzeSchrift(const QString& name, double groesse, bool fett, bool kursiv) override;
    double textBreite(const QString& text) const override;
    double zeilenHoehe() const override;
    void druckeZeile(const QString& text) override;

    void rechteck(double x1, double y1, double x2, double y2) override;
    void bild(const QString& name, double x, double y) override;
    QSizeF bildGroesse(const QString& name) const override;

    QString ziel() const override { return m_ziel; }

    // der Name der PDF-Datei: "<dokument> <yyyy-MM-dd HH-mm-ss>.pdf", mit " (2)" usw., wenn es
    // ihn schon gibt; Zeichen, die in Dateinamen stören, werden "_"
    static QString pdfPfad(const QString& ordner, const QString& dokument, const QDateTime& zeit);

private:
    // Twips in Geräteeinheiten und zurück
    double geraet(double twips) const;
    double twips(double geraet) const;
    const QPaintDevice* messflaeche() const;
    const QImage& ladeBild(const QString& name) const;
    void schliesse();

    QString m_grafikOrdner;
    QString m_userOrdner;
    Ausgabe m_ausgabe;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QImage m_messbild; // ohne Drucker: eine Fläche mit 1440 Punkten je Zoll
    QString m_ziel;
    QString m_pdfDatei;
    QFont m_schrift;
    double m_x = 0;
    double m_y = 0;
    mutable QHash<QString, QImage> m_bilder;
};

} // namespace varku
