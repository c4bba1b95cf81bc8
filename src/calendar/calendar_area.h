#pragma once

#include "convert/conversion.h"

namespace talvero {

// The area "Kalender": converts the date or day count typed for the source unit into
// every calendar and day count of the area.
Umrechnungsergebnis Rechnen_Kalender(const Umrechnungsauftrag& auftrag);

} // namespace talvero
