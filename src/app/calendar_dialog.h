#pragma once

#include "database/message.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace talvero {

// "Immerwährender Kalender": the weekday of a date and the movable feasts of a year.
// The answers come from the calendar core; the dialog only reads and writes fields.
class TKalenderDlg : public QDialog {
    Q_OBJECT
public:
    explicit TKalenderDlg(QWidget* parent = nullptr);

    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void fehlerZeigen(const Meldung& meldung);

    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label3 = nullptr;
    QRadioButton* Gregorianisch = nullptr;
    QRadioButton* Julianisch = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
};

} // namespace talvero
