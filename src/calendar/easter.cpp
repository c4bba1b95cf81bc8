#include "calendar/easter.h"

#include "calendar/dates.h"

namespace talvero {
namespace {

// Remainders are floored: the same as the plain ones for positive years, and no
// division by zero below for negative ones.
qint64 rest(qint64 a, qint64 b) {
    return Rest_abgerundet(a, b);
}

// L: days from 21 March to the Paschal full moon, less the days to the next Sunday.
QString ostertext(qint64 L) {
    const qint64 monat = 3 + (L + 40) / 44;
    const qint64 tag = L + 28 - 31 * (monat / 4);
    return QStringLiteral("%1.%2.")
        .arg(tag, 2, 10, QLatin1Char('0'))
        .arg(monat, 2, 10, QLatin1Char('0'));
}

} // namespace

QString Ostern_julianisch(qint64 Jahr) {
    const qint64 G = rest(Jahr, 19);
    const qint64 I = rest(19 * G + 15, 30);
    const qint64 J = rest(Jahr + Jahr / 4 + I, 7);
    return ostertext(I - J);
}

QString Ostern_gregorianisch(qint64 Jahr) {
    const qint64 G = rest(Jahr, 19);
    const qint64 C = Jahr / 100;
    const qint64 H = rest(C - C / 4 - (8 * C + 13) / 25 + 19 * G + 15, 30);
    const qint64 I = H - (H / 28) * (1 - (29 / (H + 1)) * ((21 - G) / 11));
    const qint64 J = rest(Jahr + Jahr / 4 + I + 2 - C + C / 4, 7);
    return ostertext(I - J);
}

} // namespace talvero
