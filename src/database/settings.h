#pragma once

#include "database/hiding.h"
#include "database/message.h"

#include <QString>
#include <optional>

namespace talvero {

// The user's choices kept between runs.
struct Einstellungen {
    int Gebietsnummer = 1; // 1-based area to select at start
    QString ESortierung = QStringLiteral("Alphabet");
    bool Ausgabe_wissenschaftlich = true;
    bool Automatisches_Rechnen = false;
    Ausblendungen Versteckt;
    // Main window left edge, top edge and height; the width is fixed by the layout.
    std::optional<int> HF_Left;
    std::optional<int> HF_Top;
    std::optional<int> HF_Height;

    bool operator==(const Einstellungen&) const = default;
};

struct Gelesene_Einstellungen {
    Einstellungen werte;
    // The information that the defaults are used, when the store is missing or broken.
    std::optional<Meldung> meldung;
};

// The settings file: the per-user INI store of organisation "Quellwerk", application
// "TVR" ($XDG_CONFIG_HOME, else ~/.config, + "/Quellwerk/TVR.ini"), asked anew at
// every use.
QString Einstellungsdatei();

// Reads group "7.0" and its subgroup "Fenster". A missing or broken value stops the
// reading: what was read before it stays, the area, the order and the hidden lists go
// back to their defaults, the display is scientific, and the information message is
// set. Never writes anything.
Gelesene_Einstellungen Registry_lesen();

// Writes every value as a string. The plain message if the store cannot be written.
std::optional<Meldung> Registry_schreiben(const Einstellungen& e);

} // namespace talvero
