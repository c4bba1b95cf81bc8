#include "calendar/calendars.h"

namespace talvero {
namespace {

// Times of the mean new moon in parts: 1080 parts to the hour.
constexpr qint64 kTeileProTag = 25920;
constexpr qint64 kMonatsteile = 765433;  // 29 days 12 hours 793 parts
constexpr qint64 kErsterNeumond = 31524; // 1 day 5 hours 204 parts after the count's start

// Days of the year before month k (from 1), per year type R (from 1): the common years
// of 353, 354, 355 days and the leap years of 383, 384, 385 days. 1000 stops the
// month search in common years.
constexpr int kMonatsbeginn[6][13] = {
    {0, 30, 59, 88, 117, 147, 176, 206, 235, 265, 294, 324, 1000},
    {0, 30, 59, 89, 118, 148, 177, 207, 236, 266, 295, 325, 1000},
    {0, 30, 60, 90, 119, 149, 178, 208, 237, 267, 296, 326, 1000},
    {0, 30, 59, 88, 117, 147, 177, 206, 236, 265, 295, 324, 354},
    {0, 30, 59, 89, 118, 148, 178, 207, 237, 266, 296, 325, 355},
    {0, 30, 60, 90, 119, 149, 179, 209, 238, 267, 297, 326, 356},
};

// Seven years of every nineteen have a thirteenth month.
bool schaltjahr(qint64 Jahr) {
    return ((7 * Jahr + 13) % 19) / 12 == 1;
}

// Year type 1 to 6 of the year that starts on day Neujahr and ends before Folgejahr;
// 0 when the length is none of the six (only before year 1).
int jahrestyp(qint64 Jahr, qint64 Neujahr, qint64 Folgejahr) {
    const qint64 R = Folgejahr - Neujahr - 352 - 27 * (schaltjahr(Jahr) ? 1 : 0);
    return R >= 1 && R <= 6 ? static_cast<int>(R) : 0;
}

} // namespace

qint64 Juedisches_Neujahr(qint64 Jahr) {
    const qint64 monate = (235 * Jahr - 234) / 19;
    const qint64 teile = kMonatsteile * monate + kErsterNeumond;
    qint64 tag = teile / kTeileProTag;
    const qint64 bruchteil = teile % kTeileProTag;
    const qint64 wochentag = tag % 7 + 1;
    // The postponements look at the weekday before any of them is applied.
    if (bruchteil >= 19440 || (wochentag == 3 && bruchteil >= 9924 && !schaltjahr(Jahr)) ||
        (wochentag == 2 && bruchteil >= 16789 && schaltjahr(Jahr - 1)))
        ++tag;
    tag += ((tag + 5) % 7) % 2;
    return tag + 347997;
}

Tagesnummer Juedisch_zu_JD(QStringView text) {
    const auto d = Datum_lesen(text);
    if (!d)
        return std::unexpected(d.error());
    // The table has no row for years before 1 and no column beyond 13; such a text
    // names no Hebrew date.
    if (d->Jahr < 1 || d->Monat < 1 || d->Monat > 13)
        return std::unexpected(Zahlfehler::Keine_Zahl);
    const qint64 N1 = Juedisches_Neujahr(d->Jahr);
    const int R = jahrestyp(d->Jahr, N1, Juedisches_Neujahr(d->Jahr + 1));
    if (R == 0)
        return std::unexpected(Zahlfehler::Keine_Zahl);
    return kMonatsbeginn[R - 1][d->Monat - 1] + N1 + d->Tag - 1;
}

QString JD_zu_Juedisch(qint64 J) {
    if (J < Juedischer_Beginn)
        return Ausserhalb_Bereich();
    const qint64 K = (J - 347996) * kTeileProTag / kMonatsteile + 1;
    qint64 Y = 19 * (K / 235) + (19 * (K % 235) - 2) / 235 + 1;
    qint64 N1 = Juedisches_Neujahr(Y);
    qint64 N2 = Juedisches_Neujahr(Y + 1);
    // The estimate is at most one year too high, never too low.
    if (J < N1) {
        --Y;
        N2 = N1;
        N1 = Juedisches_Neujahr(Y);
    }
    const int R = jahrestyp(Y, N1, N2);
    if (R == 0)
        return Ausserhalb_Bereich();
    const qint64 d = J - N1 + 1;
    int M = 1;
    while (M < 13 && kMonatsbeginn[R - 1][M] < d)
        ++M;
    return Datum_zusammensetzen(d - kMonatsbeginn[R - 1][M - 1], M, Y);
}

} // namespace talvero
