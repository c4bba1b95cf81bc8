#include "app/calendar_dialog.h"

#include "app/messages.h"
#include "calendar/perpetual.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace talvero {
namespace {

QPlainTextEdit* note(QWidget* parent, const char* name, int lines) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QLatin1String(name));
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->viewport()->setAutoFillBackground(false);
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * lines + 10);
    return memo;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TKalenderDlg::TKalenderDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TKalenderDlg"));
    setWindowTitle(QStringLiteral("Immerwährender Kalender"));
    auto* layout = new QVBoxLayout(this);

    auto* upper = new QGroupBox(QStringLiteral("Ermittlung des Wochentages zu einem Datum:"), this);
    auto* upperForm = new QFormLayout(upper);
    Edit1 = new QLineEdit(upper);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    auto* BitBtn1 = button(upper, "BitBtn1", QStringLiteral("&Rechnen"));
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(Edit1);
    dateRow->addWidget(BitBtn1);
    upperForm->addRow(QStringLiteral("Datum (z.B. 15.03.1940):"), dateRow);
    Label3 = new QLabel(upper);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
    upperForm->addRow(Label3);
    Memo2 = note(upper, "Memo2", 4);
    upperForm->addRow(Memo2);
    layout->addWidget(upper);

    auto* lower = new QGroupBox(QStringLiteral("Ermittlung der beweglichen Feiertage:"), this);
    auto* lowerForm = new QFormLayout(lower);
    Edit2 = new QLineEdit(lower);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    auto* BitBtn2 = button(lower, "BitBtn2", QStringLiteral("R&echnen"));
    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(Edit2);
    yearRow->addWidget(BitBtn2);
    lowerForm->addRow(QStringLiteral("Jahr (z.B. 1930):"), yearRow);
    auto* RadioGroup1 = new QGroupBox(lower);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto* radios = new QHBoxLayout(RadioGroup1);
    Gregorianisch = new QRadioButton(QStringLiteral("Gregorianischer Kalender"), RadioGroup1);
    Julianisch = new QRadioButton(QStringLiteral("Julianischer Kalender"), RadioGroup1);
    Gregorianisch->setChecked(true);
    radios->addWidget(Gregorianisch);
    radios->addWidget(Julianisch);
    lowerForm->addRow(RadioGroup1);
    Memo1 = new QPlainTextEdit(lower);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setMinimumHeight(Memo1->fontMetrics().lineSpacing() * 6 + 12);
    lowerForm->addRow(Memo1);
    Memo3 = note(lower, "Memo3", 7);
    lowerForm->addRow(Memo3);
    layout->addWidget(lower);

    auto* BitBtn3 = button(this, "BitBtn3", QStringLiteral("&Schließen"));
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(BitBtn3);
    layout->addLayout(closeRow);
    resize(560, 640);

    connect(BitBtn1, &QPushButton::clicked, this, &TKalenderDlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TKalenderDlg::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::accept);
    connect(Edit1, &QLineEdit::returnPressed, this, &TKalenderDlg::BitBtn1Click);
    connect(Edit2, &QLineEdit::returnPressed, this, &TKalenderDlg::BitBtn2Click);
    connect(Edit1, &QLineEdit::textChanged, Label3, &QLabel::clear);
    connect(Edit2, &QLineEdit::textChanged, Memo1, &QPlainTextEdit::clear);
    connect(Gregorianisch, &QRadioButton::toggled, Memo1, &QPlainTextEdit::clear);
}

void TKalenderDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TKalenderDlg::FormShow() {
    Edit1->clear();
    Edit2->clear();
    Label3->clear();
    Memo1->clear();
    Memo2->setPlainText(QStringLiteral(
        "Die Umstellung des Julianischen zum Gregorianischen Kalender erfolgte in den meisten "
        "Ländern im Okt. 1582. Daher ist die Angabe des Datums vor diesem Termin als Julian. "
        "Datum, danach als Greg. Datum erforderlich."));
    Memo3->setPlainText(QStringLiteral(
        "Hinweis zur Einstellung:\nDie Lage der Feiertage richtet sich danach, welcher "
        "Kalender im jeweiligen Jahr gültig ist. In den meisten Ländern wurde der Kalender im "
        "Okt. 1582 vom Julianischen zum Gregorianischen umgestellt. Vor dem Jahre 1583 können "
        "daher keine Berechnungen des Greg. Kalenders duchgeführt werden. In einigen Länder "
        "wurder aber der Gregorianische Kalender erst im 20. Jahrhundert eingeführt. Sie können "
        "daher für solche Länder die Einstellung \"Julianischer Kalender\" wählen."));
    Edit1->setFocus();
}

void TKalenderDlg::fehlerZeigen(const Meldung& meldung) {
    meldungsdienst().zeigen(meldung);
    QLineEdit* field = meldung.fokus == u"Edit1"   ? Edit1
                       : meldung.fokus == u"Edit2" ? Edit2
                                                   : nullptr;
    if (field) {
        field->setFocus();
        field->selectAll();
    }
}

void TKalenderDlg::BitBtn1Click() {
    const Kalenderantwort antwort = Wochentag_ermitteln(Edit1->text());
    if (antwort.Fehler)
        fehlerZeigen(*antwort.Fehler);
    else if (!antwort.Zeilen.isEmpty())
        Label3->setText(antwort.Zeilen.first());
}

void TKalenderDlg::BitBtn2Click() {
    const Kalenderantwort antwort = Feiertage_ermitteln(Edit2->text(), Julianisch->isChecked());
    if (antwort.Fehler)
        fehlerZeigen(*antwort.Fehler);
    else if (!antwort.Zeilen.isEmpty())
        Memo1->setPlainText(antwort.Zeilen.join(u'\n'));
}

} // namespace talvero
