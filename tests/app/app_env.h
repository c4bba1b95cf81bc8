#pragma once

#include "app/mainwindow.h"
#include "app/messages.h"
#include "test_env.h"

#include <QStringList>
#include <memory>

namespace talvero::test {

// The application on the offscreen platform, created once for the test program.
void Anwendung_sicherstellen();

// A data folder with "Länge" (five units), "Temperatur", "Brüche" and "Weltzeit", the
// country file, and the recording message service installed for the test's lifetime.
class Fensterumgebung {
public:
    Fensterumgebung();
    ~Fensterumgebung();

    // Creates the window, shows it and runs the start-up.
    std::unique_ptr<TMyWindow> Fenster_starten();

    // Texts recorded since the last call.
    QStringList Meldungstexte();

    Testumgebung env;
    Meldungsrekorder rekorder;
};

// A factor conversion for the tests: value x source factor / target factor, the
// entry error for unreadable values and for 0. Counts its calls.
struct Testumrechner {
    int aufrufe = 0;
    Umrechnungsergebnis operator()(const Umrechnungsauftrag& a);
};

// Areas the fixture writes.
inline const QString Laenge = QStringLiteral("Länge");

} // namespace talvero::test
