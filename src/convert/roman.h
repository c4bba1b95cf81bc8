#pragma once

#include <QString>
#include <optional>

namespace talvero {

// The Roman numeral of n: thousands as "M", then hundreds, tens and units each with
// its subtractive forms ("CM", "CD", "XC", "XL", "IX", "IV"). 0 gives the empty text;
// numbers of five or more digits, negative numbers and numerals longer than 14
// letters give no numeral (an empty optional).
std::optional<QString> Roemische_Zahl(qint64 n);

// The value of Roman letters: every letter directly followed by one of larger value
// counts negative, every other positive (IIII is 4, IM is 999). Expects only the
// letters I, V, X, L, C, D and M.
qint64 Roemischer_Wert(QStringView text);

} // namespace talvero
