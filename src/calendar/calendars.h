#pragma once

#include "calendar/dates.h"

#include <QString>

// The calendars of the area "Kalender". Every calendar has a forward routine (day
// number to date text) and an inverse one (date text to day number). The inverse
// routines read the text with Datum_lesen (the Maya one splits it at points) and only
// fail when a part is not an integer or leaves the 32-bit range (the Hebrew one also
// for what names no Hebrew date); the shape of the text and the ranges of day and
// month are the callers' business. Day numbers are 64-bit, so no 32-bit year wraps. The forward
// routines never fail: before a calendar's first day they give Ausserhalb_Bereich().
// Years before year 1 are written and read in historical counting (-1 before 1).
namespace talvero {

// Julian and Gregorian calendar, for every day number.
QString JD_zu_Julianisch(qint64 J);
Tagesnummer Julianisch_zu_JD(QStringView text);
QString JD_zu_Gregorianisch(qint64 J);
Tagesnummer Gregorianisch_zu_JD(QStringView text);

// Western calendar: Julian up to 04.10.1582 (2299160), Gregorian from 15.10.1582.
inline constexpr qint64 Letzter_julianischer_Tag = 2299160;
QString JD_zu_Abendlaendisch(qint64 J);
Tagesnummer Abendlaendisch_zu_JD(QStringView text);
// True for the ten dates 05.10.1582 to 14.10.1582, which the western calendar
// skipped; compared by value, so "10.10.01582" counts too.
bool Abendlaendisch_fehlender_Tag(QStringView text);

// Hebrew calendar, from 347998 (01.01.01). The year is read as typed; years before 1
// and months outside 1 to 13 are not Hebrew dates and fail like a non-integer. The
// forward routine is meant for day numbers below 10^14.
inline constexpr qint64 Juedischer_Beginn = 347998;
qint64 Juedisches_Neujahr(qint64 Jahr);
QString JD_zu_Juedisch(qint64 J);
Tagesnummer Juedisch_zu_JD(QStringView text);

// French revolutionary calendar, 2375840 (01.01.01) to 2380687 (10.04.14). The year
// is read as typed.
inline constexpr qint64 Revolution_Beginn = 2375840;
inline constexpr qint64 Revolution_Ende = 2380687;
QString JD_zu_Revolution(qint64 J);
Tagesnummer Revolution_zu_JD(QStringView text);

// Table-driven calendars; Bahá'í from 2394647 (01.01.01), the others for every day.
QString JD_zu_Islamisch(qint64 J);
Tagesnummer Islamisch_zu_JD(QStringView text);
QString JD_zu_Yazdegard(qint64 J);
Tagesnummer Yazdegard_zu_JD(QStringView text);
QString JD_zu_Aegyptisch(qint64 J);
Tagesnummer Aegyptisch_zu_JD(QStringView text);
QString JD_zu_Armenisch(qint64 J);
Tagesnummer Armenisch_zu_JD(QStringView text);
QString JD_zu_Aethiopisch(qint64 J);
Tagesnummer Aethiopisch_zu_JD(QStringView text);
QString JD_zu_Koptisch(qint64 J);
Tagesnummer Koptisch_zu_JD(QStringView text);
inline constexpr qint64 Bahai_Beginn = 2394647;
QString JD_zu_Bahai(qint64 J);
Tagesnummer Bahai_zu_JD(QStringView text);
QString JD_zu_Saka(qint64 J);
Tagesnummer Saka_zu_JD(QStringView text);

// New Iranian calendar (128-year cycles of 46751 days), for every day number.
QString JD_zu_Iranisch_neu(qint64 J);
Tagesnummer Iranisch_neu_zu_JD(QStringView text);

// Maya long count "baktun.katun.tun.uinal.kin", from 584283 (0.0.0.0.0). The pieces
// are not limited to their usual ranges; the inverse reads pieces 1 to 5 at ".", a
// missing one counts as empty, pieces after the fifth are not read.
inline constexpr qint64 Maya_Beginn = 584283;
QString JD_zu_Maya(qint64 J);
Tagesnummer Maya_zu_JD(QStringView text);

} // namespace talvero
