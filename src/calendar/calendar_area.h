#pragma once

#include "convert/conversion.h"

#include <QStringList>

namespace talvero {

// The area "Kalender": converts the date or day count typed for the source unit into
// every calendar and day count of the area, recognised by the units' names. Each entry
// gets one text pair: its date text, its day count, "außerh. Bereich" outside its span,
// or an empty text for a unit that is no calendar. A source unit that is no calendar
// computes day 0. On bad input nothing is computed and the one error message names
// "Edit_Eingabe" as the field to focus; an empty date computes nothing and says nothing.
// Only day numbers 0 to 10 000 000 are computed; anything beyond, numbers beyond 32
// bits included, gets the matching range message.
Umrechnungsergebnis Rechnen_Kalender(const Umrechnungsauftrag& auftrag);

// The names of the units the area "Kalender" knows, in the order of its table.
QStringList Kalender_Einheitennamen();

} // namespace talvero
