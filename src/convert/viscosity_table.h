#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <expected>
#include <vector>

namespace talvero {

// The conversion table of the old viscosity units, one row per kinematic viscosity:
// column 0 mm²/s, 1 Engler degrees, 2 Saybolt seconds, 3 Redwood seconds. Every
// column ascends.
using Viskositaetstabelle = std::vector<std::array<double, 4>>;

// Name of the table file in the program folder.
inline QString Viskositaetsdatei_Name() {
    return QStringLiteral("STOFFW12.NFO1");
}

// The rows of the table file's plain lines: four header lines, then tab-separated rows
// whose first four fields are numbers ("," or "." as decimal separator); further
// fields are ignored, blank lines skipped. A row that does not read, a column that
// does not ascend or fewer than two rows give the German message.
std::expected<Viskositaetstabelle, QString>
Viskositaetstabelle_aus_Zeilen(const QStringList& Zeilen);

// Reads and checks STOFFW12.NFO1 of the program folder.
std::expected<Viskositaetstabelle, QString> Viskositaetstabelle_lesen();

// The value of column nach where column von has the value y: a row's own value where
// y is in the table, else linear interpolation between the neighbouring rows, from
// (0, 0) below the first row, and on the line of the last two rows above the last.
double Tabellenwert(const Viskositaetstabelle& Tabelle, int von, int nach, double y);

} // namespace talvero
