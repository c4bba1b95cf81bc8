#pragma once

#include "convert/integers.h"

#include <QString>
#include <QStringView>
#include <expected>

namespace talvero {

// A day number (Julian day number of the day at noon) or why the text gave none.
// Day numbers are computed in 64 bits, so no date with 32-bit parts can overflow.
using Tagesnummer = std::expected<qint64, Zahlfehler>;

// Day, month and year as read from a date text.
struct Datumsteile {
    qint64 Tag = 0;
    qint64 Monat = 0;
    qint64 Jahr = 0;
};

// What a calendar shows for a day outside its span.
inline QString Ausserhalb_Bereich() {
    return QStringLiteral("außerh. Bereich");
}

// A whole number as typed for a day count: leading blanks, then as Ganzzahl_lesen.
std::expected<qint64, Zahlfehler> Ganze_Zahl_lesen(QStringView text);

// Day and month with two digits, the year with at least two ("05", "-05"), joined
// with points: (3, 7, -5) gives "03.07.-05".
QString Datum_zusammensetzen(qint64 Tag, qint64 Monat, qint64 Jahr);

// Floored remainder: never negative for a positive divisor.
qint64 Rest_abgerundet(qint64 Wert, qint64 Teiler);

// Floored quotient, the partner of Rest_abgerundet.
qint64 Quotient_abgerundet(qint64 Wert, qint64 Teiler);

// Reads a date text "DD.MM.YYYY": day from characters 1-2, month from 4-5, year from
// character 7 to the end (so "-10000" and five-digit years are read whole). The
// points are not examined here. The year is returned as typed (no year 0 handling).
std::expected<Datumsteile, Zahlfehler> Datum_lesen(QStringView text);

// Reads text with Datum_lesen and hands the parts to rechnen, which gives the day
// number; a failed reading is passed on.
template <class F> Tagesnummer Mit_Datum(QStringView text, F rechnen) {
    const auto d = Datum_lesen(text);
    if (!d)
        return std::unexpected(d.error());
    return rechnen(*d);
}

// Historical years (no year 0, -1 before 1) to astronomical ones (0 before 1) and back.
inline qint64 Astronomisches_Jahr(qint64 Jahr) {
    return Jahr <= 0 ? Jahr + 1 : Jahr;
}
inline qint64 Historisches_Jahr(qint64 Jahr) {
    return Jahr <= 0 ? Jahr - 1 : Jahr;
}

} // namespace talvero
