#pragma once

#include "convert/conversion.h"

namespace talvero {

// Converts the typed value from the source entry into every entry, with the routine
// of the area (compared as the whole, exact name; every other name is a factor
// area). An empty entry list or a source index outside it computes nothing and
// reports nothing.
Umrechnungsergebnis Umrechnen(const Umrechnungsauftrag& auftrag);

} // namespace talvero
