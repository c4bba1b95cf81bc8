#pragma once

#include <QString>

namespace talvero {

// The kinds of message box the program shows; the core only describes them.
enum class Meldungsart {
    Information,  // caption "Informationen"
    Fehler,       // caption "Fehler"
    Bestaetigung, // caption "Bestätigen", a question
    Schlicht,     // plain box with the application title
};

// A message for the user: what to show and which entry field (objectName) gets the
// focus with its whole text selected; empty when no field is concerned.
struct Meldung {
    Meldungsart art = Meldungsart::Fehler;
    QString text;
    QString fokus;

    bool operator==(const Meldung&) const = default;
};

} // namespace talvero
