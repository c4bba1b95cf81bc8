#include "calendar/calendars.h"

namespace talvero {
namespace {

// The quotients are floored so that the formulas stay continuous before 4800 BC as
// well; for the years after it every operand is positive and nothing changes.
qint64 fl(qint64 a, qint64 b) {
    return Quotient_abgerundet(a, b);
}

QString datumAusTagen(qint64 c, qint64 jahrhunderte) {
    const qint64 d = fl(4 * c + 3, 1461);
    const qint64 e = c - fl(1461 * d, 4);
    const qint64 m = fl(5 * e + 2, 153);
    const qint64 tag = e - fl(153 * m + 2, 5) + 1;
    const qint64 monat = m + 3 - 12 * fl(m, 10);
    const qint64 jahr = 100 * jahrhunderte + d - 4800 + fl(m, 10);
    return Datum_zusammensetzen(tag, monat, Historisches_Jahr(jahr));
}

// Days of the (astronomical) date counted in March-based years since 4801 BC.
struct Maerzjahr {
    qint64 y;
    qint64 tage; // day, the month's days and 365 per year, without leap days
};

Maerzjahr maerzjahr(const Datumsteile& d) {
    const qint64 a = fl(14 - d.Monat, 12);
    const qint64 y = Astronomisches_Jahr(d.Jahr) + 4800 - a;
    const qint64 m = d.Monat + 12 * a - 3;
    return {y, d.Tag + fl(153 * m + 2, 5) + 365 * y};
}

qint64 julianisch(const Datumsteile& d) {
    const Maerzjahr j = maerzjahr(d);
    return j.tage + fl(j.y, 4) - 32083;
}

qint64 gregorianisch(const Datumsteile& d) {
    const Maerzjahr j = maerzjahr(d);
    return j.tage + fl(j.y, 4) - fl(j.y, 100) + fl(j.y, 400) - 32045;
}

bool julianischerTeil(const Datumsteile& d) {
    return d.Jahr < 1582 || (d.Jahr == 1582 && (d.Monat < 10 || (d.Monat == 10 && d.Tag <= 4)));
}

} // namespace

QString JD_zu_Julianisch(qint64 J) {
    return datumAusTagen(J + 32082, 0);
}

QString JD_zu_Gregorianisch(qint64 J) {
    const qint64 a = J + 32044;
    const qint64 b = fl(4 * a + 3, 146097);
    return datumAusTagen(a - fl(146097 * b, 4), b);
}

Tagesnummer Julianisch_zu_JD(QStringView text) {
    return Mit_Datum(text, julianisch);
}

Tagesnummer Gregorianisch_zu_JD(QStringView text) {
    return Mit_Datum(text, gregorianisch);
}

QString JD_zu_Abendlaendisch(qint64 J) {
    return J <= Letzter_julianischer_Tag ? JD_zu_Julianisch(J) : JD_zu_Gregorianisch(J);
}

Tagesnummer Abendlaendisch_zu_JD(QStringView text) {
    return Mit_Datum(text, [](const Datumsteile& d) {
        return julianischerTeil(d) ? julianisch(d) : gregorianisch(d);
    });
}

bool Abendlaendisch_fehlender_Tag(QStringView text) {
    const auto d = Datum_lesen(text);
    return d && d->Jahr == 1582 && d->Monat == 10 && d->Tag >= 5 && d->Tag <= 14;
}

} // namespace talvero
