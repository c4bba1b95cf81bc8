#pragma once

#include "database/countries.h"

#include <QDialog>
#include <QString>
#include <optional>

namespace talvero {

// The country dialog "Länder ein-/ausblenden". It holds the country model that the
// loader, the own-unit and area dialogs and the search read; its commands come with
// the hiding of countries.
class TLand_neu_Dlg : public QDialog {
    Q_OBJECT
public:
    explicit TLand_neu_Dlg(QWidget* parent);

    // Reads the country file; a failure is kept for the start-up to report.
    void FormCreate();
    void Listen_aktualisieren(QString& Reg_Laender) {
        talvero::Listen_aktualisieren(Listen, Reg_Laender);
    }

    Laenderlisten Listen;
    std::optional<QString> Lesefehler;
};

// The about box "Über Talvero".
class TueberBox : public QDialog {
    Q_OBJECT
public:
    explicit TueberBox(QWidget* parent);
};

// Creates every dialog once, in the order of the program start; dialogs whose
// functions come later are empty shells named after their class.
void Dialoge_erzeugen(QWidget* parent);

} // namespace talvero
