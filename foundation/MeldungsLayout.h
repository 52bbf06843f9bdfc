#pragma once

namespace varku {

// Entwurfsmaße des Meldungsfensters in Twips
struct MeldungsEntwurf {
    double rahmenLinks = 240;
    double rahmenOben = 160;
    double meldungLinks = 1080; // im Rahmen, rechts neben dem Bild
    double meldungOben = 360;
    double bildLinks = 240; // im Rahmen
    double bildOben = 360;
    double bildGroesse = 720;
    double knopfBreite = 1500;
    double knopfHoehe = 510;
    double knopf1Links = 240; // wie der Rahmen
};

// Ergebnis der Anordnung, alles in Twips
struct MeldungsLayout {
    double rahmenBreite = 0;
    double rahmenHoehe = 0;
    double fensterBreite = 0;
    double fensterHoehe = 0;
    double knopfOben = 0;
    double knopf1Links = 0;
    double knopf2Links = 0;
    bool knopf1Sichtbar = false;
    bool knopf2Sichtbar = false;
};

// Ordnet das Meldungsfenster um einen Text der gemessenen Größe an: ein Knopf steht in der
// Mitte, zwei stehen links und rechtsbündig zum Rahmen. Der Rahmen ist nie kleiner als das Bild.
MeldungsLayout ordneMeldungAn(const MeldungsEntwurf& entwurf, double textBreite, double textHoehe,
                              bool knopf1, bool knopf2);

// Wie breit und wie hoch der Text höchstens sein darf, damit das Fenster nach ordneMeldungAn
// nicht breiter oder höher wird als angegeben (alles in Twips, ganze Twips abgerundet).
double hoechsteTextBreite(const MeldungsEntwurf& entwurf, double fensterBreite);
double hoechsteTextHoehe(const MeldungsEntwurf& entwurf, double fensterHoehe);

} // namespace varku
