#pragma once

#include <QString>
#include <QStringList>
#include <expected>

namespace talvero {

// The country model of the country dialog, built from the country file
// "LAENDER.NFO1" of the program folder and the country state Reg_Laender.
struct Laenderlisten {
    QStringList Alle_Laender;          // field 1 of every line, file order
    QStringList Laender_in_Datenbank;  // those whose field 4 is "j"
    QStringList Angezeigte_Laender;    // in the database and shown
    QStringList Ausgeblendete_Laender; // in the database and hidden
};

// The two fixed lists from the lines of the country file.
Laenderlisten Laenderlisten_aus_Zeilen(const QStringList& lines);

// Reads the country file; the German message if it is missing or does not verify.
std::expected<Laenderlisten, QString> Laenderdatei_lesen();

// Rebuilds the shown and hidden lists from Reg_Laender. A state shorter than the
// country list is extended with "1" (an empty one included), so that every country
// has a defined state.
void Listen_aktualisieren(Laenderlisten& listen, QString& Reg_Laender);

} // namespace talvero
