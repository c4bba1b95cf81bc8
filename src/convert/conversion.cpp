#include "convert/conversion.h"

namespace talvero {

Meldung Eingabefehler() {
    return Wertfehler(QStringLiteral("Falsche Eingabe im Werteingabeld! Bitte ändern! "));
}

Meldung Wertfehler(const QString& text) {
    return {Meldungsart::Fehler, text, Wertfeld()};
}

Meldung Keine_Formel() {
    return {Meldungsart::Schlicht,
            QStringLiteral("Für diese Einheit ist keine Umrechnungsformel bekannt. Sie kann "
                           "nicht umgerechnet werden."),
            {}};
}

Umrechnungsergebnis Abbruch(Meldung meldung) {
    Umrechnungsergebnis r;
    r.Meldungen.push_back(std::move(meldung));
    return r;
}

Umrechnungsergebnis Ergebnisse(std::vector<Ergebnispaar> paare) {
    Umrechnungsergebnis r;
    r.Berechnet = true;
    r.Ergebnisse = std::move(paare);
    return r;
}

} // namespace talvero
