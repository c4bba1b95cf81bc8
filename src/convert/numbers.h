#pragma once

#include "convert/estring.h"

#include <QString>
#include <optional>

namespace talvero {

// Text with every character Ist replaced by Soll.
QString Tausche(const QString& Wort, QChar Ist, QChar Soll);

// Reads a typed value: "," counts as ".", then optional leading blanks, an optional
// sign, digits with at most one decimal point and an optional exponent; nothing may
// follow, not even a blank. Empty, malformed and out-of-range texts give nullopt.
std::optional<long double> Zahl_lesen(const QString& text);

// Scientific form: one digit, six decimals, "E", sign and four exponent digits,
// decimal comma, blanks trimmed ("1,609344E+0003", "-4,000000E+0001").
QString Wissenschaftliche_Form(long double x);

// Fixed-point form with d decimals (none and no comma for d = 0), decimal comma.
QString Festkomma_Form(long double x, int d);

// Decimals of the fixed-point form: 10 below 10, one less per power of ten, 0 from 1e10.
int Formatierung(double x);

// Inserts a point every three digits before the decimal comma; texts without a comma
// are returned unchanged.
QString TausenderTrennzeichen(const QString& ZString);

// Linear interpolation: the value at By on the line through (B1, A1) and (B2, A2).
double Ipo(double A1, double A2, double B1, double B2, double By);

// The two result texts of one unit.
struct Ergebnispaar {
    E_String wiss;
    E_String fliess;

    bool operator==(const Ergebnispaar&) const = default;
};

// Text of a unit for which a value does not exist.
inline QString Keine_Angabe() {
    return QStringLiteral("keine Angabe");
}

// The standard pair: scientific form, and the fixed-point form with Formatierung
// decimals and thousands separators (scientific outside 5e-11 .. 9.9e12).
Ergebnispaar Standardpaar(long double x, bool Trennzeichen = true);

// Temperature: magnitudes below 1e-10 count as 0, and 0 is shown with 10 decimals.
Ergebnispaar Temperaturpaar(long double x);

// Hydrometer scales: results below 0.000001 count as 0.
Ergebnispaar Araeometerpaar(long double x);

// Old kinematic viscosity: fixed-point with Formatierung decimals, no range test, no
// separators.
Ergebnispaar Viskositaetspaar(long double x);

// Shoe sizes: one decimal, no separators; "keine Angabe" for negative results.
Ergebnispaar Schuhpaar(long double x);

// The same text in both forms (world time, fractions, number systems, calendars).
Ergebnispaar Textpaar(const QString& text);

} // namespace talvero
