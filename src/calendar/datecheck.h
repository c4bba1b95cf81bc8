#pragma once

#include <QString>

namespace talvero {

// Outcome of the shape checks of a typed date.
enum class Pruefergebnis {
    Gut,
    Leer,     // nothing typed: the caller does nothing
    Falsch,   // wrong shape: the caller shows the form to use
    Zu_gross, // right shape, but a number above the 32-bit range
    Zu_klein, // right shape, but a number below the 32-bit range
};

// Shape of a date "DD.MM.YYYY": points at characters 3 and 6; day (characters 1-2)
// and month (4-5) whole numbers that are neither 0 nor above the highest allowed;
// the year (7 to the end) a whole number other than 0. Leading blanks and a sign are
// accepted, so negative days and months pass; they are computed through the formulas.
Pruefergebnis Datum_pruefen(const QString& text, int Hoechster_Tag, int Hoechster_Monat);

// Shape of a Maya long count: exactly five integers joined by points.
Pruefergebnis Maya_Datum_pruefen(const QString& text);

// The message for a date of the wrong shape; Jahr_0_Hinweis adds why year 0 is refused.
QString Datumsform_Meldung(bool Jahr_0_Hinweis);

// The message for a Maya long count of the wrong shape.
QString Maya_Form_Meldung();

// The message for a date of the western calendar that was skipped in October 1582.
QString Fehlender_Tag_Meldung();

} // namespace talvero
