#pragma once

#include <QString>

namespace talvero {

// Easter Sunday of the year as "DD.MM." in the Julian / Gregorian calendar. Meant for
// the years the dialog admits (from 532 / 1583); other years give a date without
// meaning, never a failure.
QString Ostern_julianisch(qint64 Jahr);
QString Ostern_gregorianisch(qint64 Jahr);

} // namespace talvero
