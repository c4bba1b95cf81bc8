#include "calendar/calendars.h"

namespace talvero {
namespace {

// The mean year of 365.2424 days, kept as the exact fraction 3652424 / 10000 so that
// no rounding of a binary floating-point value can move a new year.
constexpr qint64 kJahrZaehler = 3652424;
constexpr qint64 kJahrNenner = 10000;
constexpr qint64 kZyklusTage = 46751; // 128 years
constexpr qint64 kEpoche = 1934441;   // day number of the cycle count's day 0

// floor(Jahre * 365.2424)
qint64 tageVorJahr(qint64 Jahre) {
    return Quotient_abgerundet(Jahre * kJahrZaehler, kJahrNenner);
}

} // namespace

QString JD_zu_Iranisch_neu(qint64 J) {
    const qint64 b = J - kEpoche;
    const qint64 c = Quotient_abgerundet(b, kZyklusTage);
    const qint64 r = b - kZyklusTage * c;
    // floor((r - 0.0002) / 365.2424): -1 for the cycle's day 0, which closes the
    // last year of the cycle before.
    const qint64 f = Quotient_abgerundet(r * kJahrNenner - 2, kJahrZaehler);
    const qint64 jahr = 128 * c + f - 37;
    const qint64 dd = r - tageVorJahr(f); // 1 to 366
    qint64 monat = 0;
    qint64 tag = 0;
    if (dd < 217) {
        const qint64 k = (dd - 1) / 31;
        monat = k + 1;
        tag = dd - 31 * k;
    } else {
        const qint64 dd2 = dd - 216;
        const qint64 k = (dd2 - 1) / 30;
        monat = k + 8;
        tag = dd2 - 30 * k;
    }
    return Datum_zusammensetzen(tag, monat, Historisches_Jahr(jahr));
}

Tagesnummer Iranisch_neu_zu_JD(QStringView text) {
    return Mit_Datum(text, [](const Datumsteile& d) {
        const qint64 y2 = Astronomisches_Jahr(d.Jahr) + 37;
        qint64 J = kZyklusTage * Quotient_abgerundet(y2, 128) +
                   tageVorJahr(Rest_abgerundet(y2, 128)) + 31 * d.Monat + d.Tag + 1934410;
        if (d.Monat >= 8)
            J = J - d.Monat + 7;
        return J;
    });
}

} // namespace talvero
