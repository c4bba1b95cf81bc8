#pragma once

#include "database/message.h"

#include <QStringList>
#include <optional>

// The logic of the dialog "Immerwährender Kalender": the weekday of a date of the
// western calendar and the movable feasts of a year.
namespace talvero {

// What the dialog shows: the lines of the answer, or the error message (whose fokus
// names the dialog's field, "Edit1" or "Edit2"). Both are empty for an empty field,
// which does nothing.
struct Kalenderantwort {
    QStringList Zeilen;
    std::optional<Meldung> Fehler;
};

// "Sonntag" to "Samstag" for a day number; days before day 0 are named as well.
QString Wochentag_Name(qint64 J);

// Weekday of the western date typed in Edit1: one line "Wochentag = Dienstag".
Kalenderantwort Wochentag_ermitteln(const QString& Datum);

// The six movable feasts of the year typed in Edit2, in the Julian or the Gregorian
// calendar: "Fastnachtsdienstag am 13.02.2024" and so on.
Kalenderantwort Feiertage_ermitteln(const QString& Jahr, bool Julianisch);

} // namespace talvero
