#pragma once

#include "convert/conversion.h"

#include <functional>

namespace talvero {

// The conversion engine as the window calls it: one request, one result.
using Umrechner = std::function<Umrechnungsergebnis(const Umrechnungsauftrag&)>;

} // namespace talvero
