#pragma once

#include "convert/conversion.h"

// The conversion routines of the areas. Each takes the typed value, the entries and
// the source entry of the request and returns either one result pair per entry (in
// the order of the entries) or the message that stops it. They expect a request whose
// entry list is set and whose source index lies inside it; Umrechnen checks that.
namespace talvero {

// Plain factor areas: value × source factor ÷ target factor. Refuses 0; a target
// without a factor shows 0.
Umrechnungsergebnis Rechnen_Sonstige(const Umrechnungsauftrag& auftrag);

// "Temperatur": the scale of a unit is its line position (0 to 9) in the data file.
Umrechnungsergebnis Rechnen_Temperatur(const Umrechnungsauftrag& auftrag);

// "Weltzeit": a clock time "hh:mm" in the source zone, shown in every zone; the
// factor of a unit is its offset in hours.
Umrechnungsergebnis Rechnen_Weltzeit(const Umrechnungsauftrag& auftrag);

// "Währungen": factor conversion in double precision; "unbekannt" without a rate.
Umrechnungsergebnis Rechnen_Waehrungen(const Umrechnungsauftrag& auftrag);

// "Brüche": line 0 is the common fraction, line 1 the decimal number.
Umrechnungsergebnis Rechnen_Brueche(const Umrechnungsauftrag& auftrag);

// "Zahlensysteme": lines 0 to 4 are binary, decimal, hexadecimal, octal and Roman.
// A Roman source whose proper numeral differs from the typed letters is computed and
// then reported with "Falsche Römische Zahl!".
Umrechnungsergebnis Rechnen_Zahlensysteme(const Umrechnungsauftrag& auftrag);

// "Schuhgrößen": through the foot length in centimetres.
Umrechnungsergebnis Rechnen_Schuhgroessen(const Umrechnungsauftrag& auftrag);

// "Aräometerskalen": through the density at 15 °C. For scales that exist for light
// and heavy liquids the request must say which (Leichter_als_Wasser); without that
// the result carries the question (Frage) instead.
Umrechnungsergebnis Rechnen_Araeometerskalen(const Umrechnungsauftrag& auftrag);

// "Viskosität, kinem. alt": through the kinematic viscosity, with the table file
// STOFFW12.NFO1 of the program folder for the Engler, Saybolt and Redwood units.
Umrechnungsergebnis Rechnen_Viskokin_alt(const Umrechnungsauftrag& auftrag);

} // namespace talvero
