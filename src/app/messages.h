#pragma once

#include "database/message.h"

#include <QString>
#include <deque>
#include <vector>

namespace talvero {

// The answer to a question.
enum class Antwort { Ja, Nein, Abbrechen };

// Every message box and question of the program goes through this interface, so that
// tests can record them instead of blocking on a modal box.
class Meldungsdienst {
public:
    virtual ~Meldungsdienst() = default;
    // Information ("Informationen"), error ("Fehler") or plain box (application title).
    virtual void zeigen(const Meldung& meldung) = 0;
    // A confirmation ("Bestätigen") with Ja and Nein, and Abbrechen if asked for.
    virtual Antwort fragen(const QString& text, bool mitAbbrechen) = 0;
};

// The service in use: the message boxes unless another one is installed.
Meldungsdienst& meldungsdienst();

// Installs a service (not owned); nullptr goes back to the message boxes.
void meldungsdienst_installieren(Meldungsdienst* dienst);

// Shows modal message boxes over the active window.
class Meldungsfenster : public Meldungsdienst {
public:
    void zeigen(const Meldung& meldung) override;
    Antwort fragen(const QString& text, bool mitAbbrechen) override;
};

// Records what would be shown and answers questions from a queue (Ja when empty).
class Meldungsrekorder : public Meldungsdienst {
public:
    struct Frage {
        QString text;
        bool mitAbbrechen;
    };

    void zeigen(const Meldung& meldung) override { gezeigt.push_back(meldung); }
    Antwort fragen(const QString& text, bool mitAbbrechen) override;

    std::vector<Meldung> gezeigt;
    std::vector<Frage> gefragt;
    std::deque<Antwort> antworten;
};

} // namespace talvero
