#include "app/calendar_dialog.h"
#include "app_env.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

// The window on the shipped database with the real conversion engine: the data
// folder starts empty and is seeded from the build's default database.
class ShippedWindowTest : public testing::Test {
protected:
    void SetUp() override {
        Anwendung_sicherstellen();
        meldungsdienst_installieren(&rekorder);
        qputenv("TALVERO_PROGRAM_DIR", TALVERO_BUILD_PROGRAM_DIR);
        w = std::make_unique<TMyWindow>();
        w->show();
        QCoreApplication::processEvents();
        rekorder.gezeigt.clear();
    }
    void TearDown() override {
        w.reset();
        meldungsdienst_installieren(nullptr);
    }

    void Gebiet(const QString& name) {
        auto* box = w->findChild<QComboBox*>(u"ComboBox2"_qs);
        const int index = box->findText(name);
        ASSERT_GE(index, 0) << qPrintable(name);
        box->setCurrentIndex(index);
        w->ComboBox2Change();
    }
    int Zeile(const QString& einheit) const {
        const auto& list = w->Objekte();
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i].Ausgabetext.Einheit == einheit)
                return static_cast<int>(i);
        ADD_FAILURE() << "no unit " << qPrintable(einheit);
        return 0;
    }
    void Rechnen(const QString& quelle, const QString& wert) {
        w->Zeile_waehlen(Zeile(quelle));
        w->ListBoxEinheitClick();
        w->findChild<QLineEdit*>(u"Edit_Eingabe"_qs)->setText(wert);
        w->RechentasteClick();
    }
    QString Ergebnis(const QString& einheit) const {
        return w->Objekte()[Zeile(einheit)].Rechenergebnis_Fliesskomma;
    }

    Testumgebung env;
    Meldungsrekorder rekorder;
    std::unique_ptr<TMyWindow> w;
};

TEST_F(ShippedWindowTest, TemperatureResultsAndHeadline) {
    Gebiet(u"Temperatur"_qs);
    Rechnen(u"Grad Celsius"_qs, u"100"_qs);
    EXPECT_TRUE(rekorder.gezeigt.empty());
    EXPECT_EQ(Ergebnis(u"Grad Fahrenheit"_qs), u"212,00000000"_qs);
    EXPECT_EQ(Ergebnis(u"Kelvin"_qs), u"373,15000000"_qs);
    EXPECT_EQ(w->findChild<QLabel*>(u"Label_Ausgangseinheit"_qs)->text(), u"100  Grad Celsius"_qs);
    EXPECT_TRUE(w->rechenmodus());
}

TEST_F(ShippedWindowTest, LengthAndTheEntryError) {
    Gebiet(u"Länge"_qs);
    Rechnen(u"Meile"_qs, u"1"_qs);
    EXPECT_EQ(Ergebnis(u"Meter"_qs), u"1.609,3440000"_qs);

    auto* edit = w->findChild<QLineEdit*>(u"Edit_Eingabe"_qs);
    Rechnen(u"Meile"_qs, u"1.000,5"_qs);
    ASSERT_EQ(rekorder.gezeigt.size(), 1u);
    EXPECT_EQ(rekorder.gezeigt[0].text, u"Falsche Eingabe im Werteingabeld! Bitte ändern! "_qs);
    EXPECT_EQ(edit->selectedText(), u"1.000,5"_qs);
    EXPECT_EQ(Ergebnis(u"Meter"_qs), u"1.609,3440000"_qs) << "results stay as they were";
}

TEST_F(ShippedWindowTest, NumberSystemsReportWrongRomanNumerals) {
    Gebiet(u"Zahlensysteme"_qs);
    const auto& list = w->Objekte();
    ASSERT_FALSE(list.empty());
    Rechnen(u"Dezimalsystem"_qs, u"1994"_qs);
    EXPECT_TRUE(rekorder.gezeigt.empty());
    bool roman = false;
    for (const auto& e : list)
        roman = roman || e.Rechenergebnis_Fliesskomma.text() == u"MCMXCIV";
    EXPECT_TRUE(roman);

    // The results of the typed letters are shown, then the message.
    Rechnen(u"Römische Zahlen"_qs, u"IIII"_qs);
    EXPECT_EQ(Ergebnis(u"Dezimalsystem"_qs), u"4"_qs);
    ASSERT_EQ(rekorder.gezeigt.size(), 1u);
    EXPECT_EQ(rekorder.gezeigt[0].text, u"Falsche Römische Zahl!"_qs);
    EXPECT_TRUE(w->rechenmodus());
}

TEST_F(ShippedWindowTest, CalendarAreaConvertsADate) {
    Gebiet(u"Kalender"_qs);
    Rechnen(u"Gregorianischer Kalender (12 Uhr)"_qs, u"23.04.2024"_qs);
    EXPECT_EQ(Ergebnis(u"Julianisches Datum"_qs), u"2460424"_qs);
    EXPECT_EQ(Ergebnis(u"Julianischer Kalender (12 Uhr)"_qs), u"10.04.2024"_qs);
}

TEST_F(ShippedWindowTest, PerpetualCalendarDialog) {
    QAction* open = w->findChild<QAction*>(u"ImmerwaehrenderKalender1"_qs);
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isEnabled());
    auto* d = w->findChild<TKalenderDlg*>(u"TKalenderDlg"_qs);
    ASSERT_NE(d, nullptr);
    d->show();
    auto* edit1 = d->findChild<QLineEdit*>(u"Edit1"_qs);
    auto* edit2 = d->findChild<QLineEdit*>(u"Edit2"_qs);
    auto* label3 = d->findChild<QLabel*>(u"Label3"_qs);
    auto* memo1 = d->findChild<QPlainTextEdit*>(u"Memo1"_qs);

    edit1->setText(u"23.04.2024"_qs);
    d->findChild<QPushButton*>(u"BitBtn1"_qs)->click();
    EXPECT_EQ(label3->text(), u"Wochentag = Dienstag"_qs);

    edit1->setText(u"10.10.1582"_qs);
    EXPECT_TRUE(label3->text().isEmpty()) << "a change of the date clears the answer";
    d->BitBtn1Click();
    ASSERT_EQ(rekorder.gezeigt.size(), 1u);
    EXPECT_EQ(rekorder.gezeigt[0].text,
              u"Falsche Eingabe im Werteingabeld! Bitte ändern! Das eingegebene Datum ist im "
              u"Abendländischen Kalender nicht vorhanden."_qs);
    EXPECT_EQ(edit1->selectedText(), u"10.10.1582"_qs);

    edit2->setText(u"2024"_qs);
    d->BitBtn2Click();
    const QStringList gregorianisch = memo1->toPlainText().split(u'\n');
    ASSERT_EQ(gregorianisch.size(), 6);
    EXPECT_EQ(gregorianisch[0], u"Fastnachtsdienstag am 13.02.2024"_qs);
    EXPECT_EQ(gregorianisch[2], u"Ostersonntag am 31.03.2024"_qs);
    EXPECT_EQ(gregorianisch[5], u"Fronleichnam am 30.05.2024"_qs);

    d->findChild<QRadioButton*>()->setChecked(false);
    const auto radios = d->findChildren<QRadioButton*>();
    radios.at(1)->setChecked(true);
    EXPECT_TRUE(memo1->toPlainText().isEmpty()) << "a change of the calendar clears the list";
    d->BitBtn2Click();
    EXPECT_TRUE(memo1->toPlainText().contains(u"Ostersonntag am 22.04.2024"_qs));

    radios.at(0)->setChecked(true);
    edit2->setText(u"1582"_qs);
    rekorder.gezeigt.clear();
    d->BitBtn2Click();
    ASSERT_EQ(rekorder.gezeigt.size(), 1u);
    EXPECT_EQ(rekorder.gezeigt[0].text,
              u"Der gregorianische Kalender kann erst ab dem Jahre 1583 berechnet werden. Bitte "
              u"wählen Sie für frühere Daten den Julianischen Kalender!"_qs);
    EXPECT_TRUE(memo1->toPlainText().isEmpty());
}

} // namespace
