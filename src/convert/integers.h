#pragma once

#include <QString>
#include <expected>

namespace talvero {

enum class Ganzzahlfehler {
    Keine_Ganzzahl, // not an optional sign followed by decimal digits
    Zu_gross,       // an integer, but outside the signed 32-bit range
};

// Reads a signed 32-bit decimal integer: an optional "+" or "-" and ASCII digits,
// nothing else (no blanks, no "0x", no other minus signs). Any number of digits is
// read without overflow, so a long digit string reports Zu_gross.
std::expected<qint32, Ganzzahlfehler> Ganzzahl_lesen(QStringView text);

} // namespace talvero
