#pragma once

#include "foundation/Anzeigen.h"
#include "foundation/Schreibfeld.h"
#include "foundation/Zeigerinstrument.h"
#include "frame/VarkuIni.h"

#include <QFont>
#include <QString>
#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace varku {

struct Lupenstelle;

// Die Übungsfläche des Hauptfensters mit ihren Steuerelementen und den Anzeigeprozeduren:
// Tasten, Lampen, Zähler, Punktemesser, Schrift und die Anordnung von Wort und Schreibfeld.
// Alle Maße in Twips. Die Rahmen wachsen mit der Wortschrift, so dass nichts sich überdeckt.
class VarkuAnzeige {
public:
    // baut die Steuerelemente in die Fläche
    explicit VarkuAnzeige(QWidget* flaeche);
    virtual ~VarkuAnzeige() = default;

    QWidget* Uebungsflaeche;
    QFrame* UebRahmen;
    QLabel* UebBausteinImage;
    QLabel* UebTitelLabel;
    QLabel* SatzBspLbl;
    QGroupBox* LesenFrame;
    QLabel* LesenKontLabel;
    QLabel* LesenLabel;
    QFrame* LeseLupe;
    QGroupBox* SchreibenFrame;
    QLabel* SchreibenKontLabel;
    Schreibfeld* SchreibenTextfeld;
    QPushButton* zeigenTaste;
    QPushButton* diktierTaste;
    QPushButton* WortendeTaste;
    QPushButton* loeschTaste;
    std::array<Lampe*, 3> LampeImg;
    Zeigerinstrument* vuPunkteImage;
    std::array<Ziffernanzeige*, 4> zaehler; // nWoerLbl, nRichLbl, aLzLbl, dLzLbl
    QLabel* NameLabel;
    QLabel* DirSp; // die Sprachausgabe, sichtbar beim Diktat mit synthetischer Sprache

    // linker Rand der Kontexte in den Rahmen, in Twips
    static constexpr double kontextLinks = 240;

    // die vier Tasten zusammen
    void setSFModus(bool ein);
    // welche der vier Tasten gerade gehen, um es später genau so wiederherzustellen
    using Tastenstand = std::array<bool, 4>;
    Tastenstand tastenStand() const;
    void setzeTastenStand(const Tastenstand& stand);
    // die Taste der Übungsform an und mit dem Fokus
    void initTasten(bool nachschreiben);
    void drawVuZeiger(int punkte);
    void SwitchLampe(int nr, Lampenzustand zustand);
    Lampenzustand lampenZustand(int nr) const { return LampeImg[size_t(nr)]->zustand(); }
    void SwitchDigAnzOn();
    // 0 Diktat: die Lesezeiten grau; 1 Abschreiben: gelb
    void SwitchUebModus(int modus);
    void zeigeZaehler(int nr, const QString& text);
    void zeigeBeispielSatz(const QString& satz);
    void versteckeBeispielSatz();

    // Schrift und Anordnung nach den Einstellungen
    void wendeTextFontAn(const VarkuEinstellungen& e, const QString& kontext);
    bool textFontGeaendert(const VarkuEinstellungen& e) const;
    const QFont& wortSchrift() const { return m_wortFont; }

    // das Wort mit seinem Kontext im Lesen-Rahmen
    void zeigeWort(const QString& kontext, const QString& wort);
    void leereWort();
    // Kontext und Schreibfeld für ein Wort vorbereiten (leer, an, offen)
    void bereiteSchreibfeld(const QString& kontext);
    // die Lupe über der Stelle des gezeigten Wortes; ohne gültige Stelle verborgen
    void setzeLupe(const QString& wort, const Lupenstelle& stelle);
    // die Übungsfläche wie bei einem frisch vorgelegten Wort
    void zeigeFrischesWort(bool beispielSatz, bool nachschreiben);

private:
    void ordneSenkrechtAn(double wortGroesse);
    void platziereWort(const QString& kontext);
    void bereiteSchreibfeldLage(const QString& kontext);
    double kontextBreite(const QString& kontext) const;

    QFont m_wortFont;
    QFont m_kontextFont;
    QFont m_satzFont;
    double m_flaechenHoehe = 8400;
};

// Eine Schriftgröße, die sich lesen lässt: 0 oder Unsinn aus der Datei gibt 28, sonst 8 bis 72
double anwendbareGroesse(double groesse);

} // namespace varku
