#pragma once

#include <QString>

namespace talvero {

// What the user hides: one character per line of a file, "1" shown, anything else
// hidden. An empty string shows everything. Kept per user in the settings.
struct Ausblendungen {
    QString Reg_Laender; // per line of the country file
    QString Reg_Laenge;  // per line of the data file of "Länge"
    QString Reg_Flaeche; // "Fläche"
    QString Reg_Volumen; // "Volumen"
    QString Reg_Masse;   // "Masse"

    bool operator==(const Ausblendungen&) const = default;
};

// Only "Länge", "Fläche", "Volumen" and "Masse" hide units one by one and by country.
bool Gebiet_mit_Ausblendung(const QString& Gebietname);

// The hidden list of an area; nullptr for every area without one.
QString* Versteckliste(Ausblendungen& a, const QString& Gebietname);
const QString* Versteckliste(const Ausblendungen& a, const QString& Gebietname);

} // namespace talvero
