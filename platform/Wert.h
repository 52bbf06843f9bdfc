#pragma once

#include <QString>

namespace varku::db {

// Ein Feldwert: Null (kein Wert), Wahrheitswert, Zahl oder Text. Null ist etwas anderes als
// der leere Text.
struct Wert {
    enum class Art : unsigned char { Null, Bool, Zahl, Text };

    Art art = Art::Null;
    double zahl = 0; // Bool: -1 für wahr, 0 für falsch
    QString text;

    static Wert null() { return {}; }
    static Wert wahrheit(bool b) { return {Art::Bool, b ? -1.0 : 0.0, {}}; }
    static Wert von(double z) { return {Art::Zahl, z, {}}; }
    static Wert von(const QString& t) { return {Art::Text, 0, t}; }

    bool istNull() const { return art == Art::Null; }
    bool istZahlig() const { return art == Art::Bool || art == Art::Zahl; }
    // als Wahrheitswert (Zahl ungleich 0); Null ist falsch
    bool wahr() const { return istZahlig() && zahl != 0; }
    // als Text, wie ihn ein Programm bekommt: Null gibt den leeren Text
    QString alsText() const;
    // als ganze Zahl; Null und Text ohne Zahl geben 0
    long long alsGanzzahl() const;
};

} // namespace varku::db
