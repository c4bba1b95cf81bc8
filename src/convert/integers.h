#pragma once

#include <QStringView>
#include <expected>

namespace talvero {

// Why a typed whole number could not be used.
enum class Zahlfehler {
    Keine_Zahl, // not an optional sign followed by decimal digits
    Zu_gross,   // a decimal integer above the signed 32-bit range
    Zu_klein,   // a decimal integer below the signed 32-bit range
};

// Strict integer reading: an optional "+" or "-" and ASCII digits, nothing else (no
// blanks, no "0x", no other minus signs). The value must fit into 32 bits; any number
// of digits is read without overflow, so a long digit string is reported as too large
// or too small, never wrapped. The result is 64-bit so that callers can compute with
// it without further casts.
std::expected<qint64, Zahlfehler> Ganzzahl_lesen(QStringView text);

// Outside the 32-bit range, in either direction.
inline bool Ausserhalb_32_Bit(Zahlfehler f) {
    return f != Zahlfehler::Keine_Zahl;
}

} // namespace talvero
