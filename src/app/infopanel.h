#pragma once

#include "database/records.h"

#include <QFrame>

class QLabel;

namespace talvero {

// The information panel on the selected unit: a heading and pairs of caption (black)
// and value (blue) labels, the warnings in red.
class Infopanel : public QFrame {
    Q_OBJECT
public:
    explicit Infopanel(QWidget* parent);

    // Fills the panel from an entry of the area, or empties every label but the heading
    // when there is none.
    void Werte_in_Info_Feld(const TAusgabetextobject* eintrag, const QString& Gebietname);

private:
    struct Paar {
        QLabel* caption;
        QLabel* wert;
    };
    Paar paar(const char* captionName, const char* wertName);
    static void setzen(const Paar& p, const QString& caption, const QString& wert);

    Paar kurzzeichen_, sonstige_, uebersetzung_, einsatz_, entspricht_, caWert_, land_, ort_,
        zeitraum_;
    QLabel* regional_ = nullptr;
    QLabel* zeitlich_ = nullptr;
};

} // namespace talvero
