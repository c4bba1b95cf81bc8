#include "calendar/calendars.h"

#include <limits>

namespace talvero {
namespace {

// One scheme covers the calendars of fixed month lengths and a fixed leap rule: the
// year is found from a linear count of days, the month and the day from the day of
// that count's year. Divisions truncate; every operand is positive for day numbers
// from 0 on.
struct Zyklus {
    qint64 y, j, m, n, r, p, q, v, u, s, t, w;
    // Century correction of the calendars bound to the Gregorian leap rule.
    bool Jahrhundert = false;
    qint64 B = 0, C = 0, A = 0;
    // Saka months: 30 or 31 days, in their own steps.
    bool Saka = false;
    qint64 Beginn = std::numeric_limits<qint64>::min();
};

constexpr Zyklus kIslamisch{5519, 7665, 0, 12, 30, 10631, 14, 15, 100, 2951, 51, 10};
constexpr Zyklus kYazdegard{5348, 77, 9, 13, 1, 365, 0, 0, 1, 30, 0, 0};
constexpr Zyklus kAegyptisch{3968, 47, 0, 13, 1, 365, 0, 0, 1, 30, 0, 0};
constexpr Zyklus kArmenisch{5268, 317, 0, 13, 1, 365, 0, 0, 1, 30, 0, 0};
constexpr Zyklus kAethiopisch{4720, 124, 0, 13, 4, 1461, 0, 3, 1, 30, 0, 0};
constexpr Zyklus kKoptisch{4996, 124, 0, 13, 4, 1461, 0, 3, 1, 30, 0, 0};
constexpr Zyklus kBahai{.y = 6560,
                        .j = 1412,
                        .m = 19,
                        .n = 20,
                        .r = 4,
                        .p = 1461,
                        .q = 0,
                        .v = 3,
                        .u = 1,
                        .s = 19,
                        .t = 0,
                        .w = 0,
                        .Jahrhundert = true,
                        .B = 274273,
                        .C = -50,
                        .A = 184,
                        .Beginn = Bahai_Beginn};
constexpr Zyklus kSaka{.y = 4794,
                       .j = 1348,
                       .m = 1,
                       .n = 12,
                       .r = 4,
                       .p = 1461,
                       .q = 0,
                       .v = 3,
                       .u = 1,
                       .s = 0,
                       .t = 0,
                       .w = 0,
                       .Jahrhundert = true,
                       .B = 274073,
                       .C = -36,
                       .A = 184,
                       .Saka = true};

QString vorwaerts(const Zyklus& z, qint64 J) {
    if (J < z.Beginn)
        return Ausserhalb_Bereich();
    qint64 f = J + z.j;
    if (z.Jahrhundert)
        f += (3 * ((4 * J + z.B) / 146097)) / 4 + z.C;
    const qint64 e = z.r * f + z.v;
    const qint64 g = (e % z.p) / z.r; // day of the computational year, from 0
    qint64 tag = 0;
    qint64 monat = 0;
    if (z.Saka) {
        const qint64 X = g / 365;
        const qint64 Z = g / 185 - X;
        const qint64 s = 31 - Z;
        const qint64 h = g - 5 * Z;
        tag = h % s + 1 + (g == 365 ? 6 : 0);
        monat = ((h / s + 1) % 12) + 1;
    } else {
        const qint64 h = z.u * g + z.w;
        tag = (h % z.s) / z.u + 1;
        monat = ((h / z.s + z.m) % z.n) + 1;
    }
    const qint64 jahr = e / z.p - z.y + (z.n + z.m - monat) / z.n;
    return Datum_zusammensetzen(tag, monat, Historisches_Jahr(jahr));
}

Tagesnummer rueckwaerts(const Zyklus& z, QStringView text) {
    return Mit_Datum(text, [&z](const Datumsteile& d) {
        const qint64 h = d.Monat - z.m;
        const qint64 g = Astronomisches_Jahr(d.Jahr) + z.y - (z.n - h) / z.n;
        const qint64 f = (h - 1 + z.n) % z.n;
        const qint64 e = (z.p * g + z.q) / z.r + d.Tag - 1 - z.j;
        qint64 J = 0;
        if (z.Saka) {
            const qint64 Z = f / 6;
            J = e + (31 - Z) * f + 5 * Z;
        } else {
            J = e + (z.s * f + z.t) / z.u;
        }
        if (z.Jahrhundert)
            J = J - (3 * ((g + z.A) / 100)) / 4 - z.C;
        return J;
    });
}

} // namespace

QString JD_zu_Islamisch(qint64 J) {
    return vorwaerts(kIslamisch, J);
}
Tagesnummer Islamisch_zu_JD(QStringView text) {
    return rueckwaerts(kIslamisch, text);
}
QString JD_zu_Yazdegard(qint64 J) {
    return vorwaerts(kYazdegard, J);
}
Tagesnummer Yazdegard_zu_JD(QStringView text) {
    return rueckwaerts(kYazdegard, text);
}
QString JD_zu_Aegyptisch(qint64 J) {
    return vorwaerts(kAegyptisch, J);
}
Tagesnummer Aegyptisch_zu_JD(QStringView text) {
    return rueckwaerts(kAegyptisch, text);
}
QString JD_zu_Armenisch(qint64 J) {
    return vorwaerts(kArmenisch, J);
}
Tagesnummer Armenisch_zu_JD(QStringView text) {
    return rueckwaerts(kArmenisch, text);
}
QString JD_zu_Aethiopisch(qint64 J) {
    return vorwaerts(kAethiopisch, J);
}
Tagesnummer Aethiopisch_zu_JD(QStringView text) {
    return rueckwaerts(kAethiopisch, text);
}
QString JD_zu_Koptisch(qint64 J) {
    return vorwaerts(kKoptisch, J);
}
Tagesnummer Koptisch_zu_JD(QStringView text) {
    return rueckwaerts(kKoptisch, text);
}
QString JD_zu_Bahai(qint64 J) {
    return vorwaerts(kBahai, J);
}
Tagesnummer Bahai_zu_JD(QStringView text) {
    return rueckwaerts(kBahai, text);
}
QString JD_zu_Saka(qint64 J) {
    return vorwaerts(kSaka, J);
}
Tagesnummer Saka_zu_JD(QStringView text) {
    return rueckwaerts(kSaka, text);
}

} // namespace talvero
