#include "calendar/calendars.h"

namespace talvero {

// Twelve months of 30 days and a thirteenth of 5 or 6; the years 3, 7, 11 ... have
// 366 days. Only the years the calendar was in use are written.
QString JD_zu_Revolution(qint64 J) {
    if (J < Revolution_Beginn || J > Revolution_Ende)
        return Ausserhalb_Bereich();
    const qint64 a = J - 2375475;
    const qint64 b = a / 1461;
    const qint64 r = a % 1461;
    const qint64 u = r / 365;
    const qint64 w = r / 1460;
    const qint64 v = r - 365 * (u - w);
    return Datum_zusammensetzen(v % 30 + 1, v / 30 + 1, 4 * b + u - w);
}

Tagesnummer Revolution_zu_JD(QStringView text) {
    return Mit_Datum(text, [](const Datumsteile& d) {
        return 1461 * (d.Jahr / 4) + 365 * (d.Jahr % 4) + 30 * d.Monat + d.Tag + 2375444;
    });
}

} // namespace talvero
