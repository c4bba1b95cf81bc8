#include "app/commands.h"
#include "app/headline.h"
#include "app/translations.h"
#include "app_env.h"
#include "database/settings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

using namespace talvero;
using namespace talvero::test;

namespace {

QStringList Namen(const TMyWindow& w) {
    QStringList out;
    for (const auto& e : w.Objekte())
        out << e.Ausgabetext.Einheit;
    return out;
}

template <typename T> T* Kind(const TMyWindow& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QAction* Aktion(const TMyWindow& w, const char* name) {
    return Kind<QAction>(w, name);
}

QString Text(const TMyWindow& w, const char* label) {
    return Kind<QLabel>(w, label)->text();
}

// Selects an area as the user does in the area box.
void Gebiet_waehlen(TMyWindow& w, int index) {
    Kind<QComboBox>(w, "ComboBox2")->setCurrentIndex(index);
    w.ComboBox2Change();
}

const QString Defaults =
    u"Der Talvero wird mit Standardeinstellungen geöffnet, da noch keine Angaben in der "
    u"Windows-Registry vorhanden sind oder diese nicht gelesen werden konnten."_qs;

TEST(StartupTest, WithoutStoredSettings) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();

    EXPECT_EQ(f.Meldungstexte(), QStringList{Defaults});
    EXPECT_EQ(w->windowTitle(), u"Talvero 7.01"_qs);
    auto* box = Kind<QComboBox>(*w, "ComboBox2");
    ASSERT_EQ(box->count(), 4);
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(Namen(*w),
              (QStringList{u"Meter"_qs, u"Zoll"_qs, u"Rute"_qs, u"Fuß"_qs, u"Ärmel"_qs}));
    EXPECT_EQ(Kind<QListView>(*w, "ListBoxEinheit")->model()->rowCount(), 5);
    EXPECT_EQ(w->Aktuelle_Zeile(), 0);
    EXPECT_EQ(Text(*w, "Label_gewaehlte_einheit"), u"Meter"_qs);
    EXPECT_FALSE(Kind<QLabel>(*w, "Image1")->pixmap().isNull());
    EXPECT_EQ(Text(*w, "Info_Kurzzeichen2"), u"m"_qs);
    EXPECT_EQ(Text(*w, "Label4"), u"5 Einheiten vorhanden, davon 0 ausgeblendet."_qs);
    EXPECT_EQ(Text(*w, "Label5"), u"8 Länder vorhanden, davon 0 ausgeblendet."_qs);
    EXPECT_EQ(Text(*w, "Label_Ausgangseinheit"), QString());
    EXPECT_FALSE(Kind<QLabel>(*w, "Flagge1")->isVisible());
    EXPECT_EQ(Kind<QLineEdit>(*w, "Edit_Eingabe")->text(), u"1"_qs);

    // Defaults: file order, scientific display, no automatic computing.
    EXPECT_EQ(w->sortierung(), u"Alphabet"_qs);
    EXPECT_FALSE(Aktion(*w, "EinheitensortierungnachAlphabet1")->isEnabled());
    EXPECT_TRUE(Aktion(*w, "EinheitensortierungnachLand1")->isEnabled());
    EXPECT_TRUE(Aktion(*w, "ToolButton8_Aktion")->isChecked());
    EXPECT_TRUE(w->wissenschaftlich());
    EXPECT_FALSE(Aktion(*w, "WissenschaZahlenanzeige1")->isEnabled());
    EXPECT_TRUE(Aktion(*w, "Fliekommaanzeige1")->isEnabled());
    EXPECT_TRUE(Aktion(*w, "ToolButton13_Aktion")->isChecked());
    EXPECT_FALSE(Aktion(*w, "AutomatischesRechnen1")->isChecked());
    EXPECT_FALSE(Aktion(*w, "WertKopieren1")->isEnabled());
    EXPECT_FALSE(w->rechenmodus());

    // Every dialog exists from the start.
    for (const char* d : {"TDlg_Einheit_einblenden", "TSuch_Dialog", "TueberBox", "TLand_neu_Dlg",
                          "TKalenderDlg", "TFaktor_aendern"})
        EXPECT_NE(w->findChild<QDialog*>(QString::fromLatin1(d)), nullptr) << d;

    // Reading wrote nothing; closing writes the settings.
    EXPECT_TRUE(QDir(f.env.einstellungen()).isEmpty());
    w->close();
    const auto g = Registry_lesen();
    EXPECT_FALSE(g.meldung.has_value());
    EXPECT_EQ(g.werte.Gebietsnummer, 1);
    EXPECT_EQ(g.werte.Versteckt.Reg_Laenge, u"11111"_qs);
    EXPECT_EQ(g.werte.Versteckt.Reg_Laender, u"11111111"_qs);
}

TEST(StartupTest, WithStoredSettingsAndAutomaticComputing) {
    Fensterumgebung f;
    Einstellungen e;
    e.Gebietsnummer = 2;
    e.ESortierung = u"Land"_qs;
    e.Ausgabe_wissenschaftlich = false;
    e.Automatisches_Rechnen = true;
    e.Versteckt.Reg_Laenge = u"11011"_qs;
    e.HF_Left = 30;
    e.HF_Top = 40;
    e.HF_Height = 555;
    ASSERT_FALSE(Registry_schreiben(e).has_value());

    auto w = std::make_unique<TMyWindow>();
    Testumrechner fake;
    w->Umrechner_setzen(std::ref(fake));
    w->show();
    QCoreApplication::processEvents();

    EXPECT_TRUE(f.Meldungstexte().isEmpty());
    EXPECT_EQ(w->Gebietname(), u"Temperatur"_qs);
    EXPECT_EQ(w->height(), 555);
    // By country: SI unit, international unit, then the countries.
    EXPECT_EQ(Namen(*w), (QStringList{u"Kelvin"_qs, u"Celsius"_qs, u"Fahrenheit"_qs}));
    EXPECT_TRUE(Aktion(*w, "ToolButton9_Aktion")->isChecked());
    EXPECT_FALSE(Aktion(*w, "EinheitensortierungnachLand1")->isEnabled());
    EXPECT_TRUE(Aktion(*w, "AutomatischesRechnen1")->isChecked());
    EXPECT_TRUE(Aktion(*w, "ToolButton11_Aktion")->isChecked());
    // Start-up computed at once.
    EXPECT_EQ(fake.aufrufe, 1);
    EXPECT_TRUE(w->rechenmodus());
    EXPECT_EQ(w->Objekte()[0].Rechenergebnis_Fliesskomma.text(), u"1,0000000000"_qs);
    EXPECT_EQ(Text(*w, "Label_Ausgangseinheit"), u"1  Kelvin"_qs);
    EXPECT_EQ(Text(*w, "Label2"), u"="_qs);
    EXPECT_TRUE(Aktion(*w, "WertKopieren1")->isEnabled());

    // Changes of the run reach the store when the window closes.
    w->WissenschaZahlenanzeige1Click();
    w->EinheitensortierungnachGre1Click();
    w->AutomatischesRechnen1Click();
    Gebiet_waehlen(*w, 0);
    w->close();
    const auto g = Registry_lesen();
    EXPECT_FALSE(g.meldung.has_value());
    EXPECT_EQ(g.werte.Gebietsnummer, 1);
    EXPECT_EQ(g.werte.ESortierung, u"Groesse"_qs);
    EXPECT_TRUE(g.werte.Ausgabe_wissenschaftlich);
    EXPECT_FALSE(g.werte.Automatisches_Rechnen);
    EXPECT_EQ(g.werte.Versteckt.Reg_Laenge, u"11011"_qs);
    EXPECT_EQ(g.werte.HF_Height, 555);
}

TEST(StartupTest, StoredAreaBeyondTheTableSelectsTheFirst) {
    Fensterumgebung f;
    Einstellungen e;
    e.Gebietsnummer = 9;
    e.HF_Left = e.HF_Top = 0;
    e.HF_Height = 500;
    ASSERT_FALSE(Registry_schreiben(e).has_value());
    auto w = f.Fenster_starten();
    EXPECT_EQ(w->Gebietname(), Laenge);
}

TEST(StartupTest, EmptyAreaTableStartsWithAnEmptyBox) {
    Fensterumgebung f;
    f.env.Datenordner_schreiben({}, {}, {});
    auto w = f.Fenster_starten();
    EXPECT_EQ(f.Meldungstexte(),
              (QStringList{Defaults, u"Die Gebietstabelle enthält keine Gebiete. Talvero startet "
                                     u"ohne Gebiete."_qs}));
    EXPECT_EQ(Kind<QComboBox>(*w, "ComboBox2")->count(), 0);
    EXPECT_TRUE(w->Objekte().empty());
    EXPECT_EQ(Text(*w, "Label_gewaehlte_einheit"), QString());
    // Commands on the empty window do nothing harmful.
    w->RechentasteClick();
    w->EinheitensortierungnachLand1Click();
    w->ListBoxEinheitDblClick();
    w->WertKopieren1Click();
    w->close();
    EXPECT_EQ(Registry_lesen().werte.Gebietsnummer, 1);
}

TEST(StartupTest, MissingCountryFileIsReportedAndHidesByCountry) {
    Fensterumgebung f;
    QFile::remove(f.env.programmordner() + u"LAENDER.NFO1"_qs);
    auto w = f.Fenster_starten();
    const QStringList texte = f.Meldungstexte();
    ASSERT_GE(texte.size(), 3);
    EXPECT_EQ(texte[0], Defaults);
    EXPECT_TRUE(texte[1].contains(u"LAENDER.NFO1"_qs)) << texte[1].toStdString();
    EXPECT_TRUE(w->Objekte().empty());
    EXPECT_EQ(texte.back(),
              u"Die Einheiten-Liste enthält keine Einträge! Es sind entweder alle Einheiten oder "
              u"alle Länder ausgeblendet oder die Datendatei konnte nicht geöffnet werden."_qs);
    // Areas outside the four list everything.
    Gebiet_waehlen(*w, 1);
    EXPECT_EQ(w->Objekte().size(), 3u);
}

TEST(AreaSwitchTest, ClearsResultsAndComputesAgainWhenAutomatic) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();
    Testumrechner fake;
    w->Umrechner_setzen(std::ref(fake));
    w->RechentasteClick();
    ASSERT_TRUE(w->rechenmodus());
    EXPECT_TRUE(w->ueberschrift().Timer1()->isActive());

    Gebiet_waehlen(*w, 1);
    EXPECT_EQ(w->Gebietname(), u"Temperatur"_qs);
    EXPECT_FALSE(w->rechenmodus());
    EXPECT_EQ(Text(*w, "Label_Ausgangseinheit"), QString());
    EXPECT_FALSE(w->ueberschrift().Timer1()->isActive());
    EXPECT_FALSE(Aktion(*w, "WertKopieren1")->isEnabled());
    EXPECT_EQ(Namen(*w), (QStringList{u"Kelvin"_qs, u"Celsius"_qs, u"Fahrenheit"_qs}));
    EXPECT_EQ(Text(*w, "Label5"), QString()) << "no country counts outside the four areas";
    EXPECT_EQ(fake.aufrufe, 1);

    w->AutomatischesRechnen1Click();
    EXPECT_EQ(fake.aufrufe, 2) << "switching it on computes";
    Gebiet_waehlen(*w, 0);
    EXPECT_EQ(fake.aufrufe, 3);
    EXPECT_TRUE(w->rechenmodus());
    // In "Weltzeit" a change of area never computes by itself.
    Gebiet_waehlen(*w, 3);
    EXPECT_EQ(fake.aufrufe, 3);
    EXPECT_FALSE(w->rechenmodus());
}

TEST(AreaSwitchTest, MissingDataFileReportsAndListsNothing) {
    Fensterumgebung f;
    QFile::remove(f.env.datenordner() + u"BRUECHE.DAT1"_qs);
    auto w = f.Fenster_starten();
    f.Meldungstexte();
    Gebiet_waehlen(*w, 2);
    const QStringList texte = f.Meldungstexte();
    ASSERT_EQ(texte.size(), 2);
    EXPECT_EQ(texte[0], u"Die Datei BRUECHE konnte nicht geöffnet werden!"_qs);
    EXPECT_TRUE(texte[1].startsWith(u"Die Einheiten-Liste enthält keine Einträge!"_qs));
    EXPECT_TRUE(w->Objekte().empty());
    EXPECT_EQ(Text(*w, "Info_Landname1"), QString());
}

TEST(HiddenListTest, WrongLengthIsRepairedWithAMessage) {
    Fensterumgebung f;
    Einstellungen e;
    e.Versteckt.Reg_Laenge = u"101"_qs;
    e.Versteckt.Reg_Laender = u"11111011"_qs; // SI units hidden by country
    e.HF_Left = e.HF_Top = 0;
    e.HF_Height = 500;
    ASSERT_FALSE(Registry_schreiben(e).has_value());
    auto w = f.Fenster_starten();
    EXPECT_EQ(f.Meldungstexte(),
              QStringList{u"Ein anderer Anwender hat Einheiten in der Datendatei des Gebietes "
                          u"Länge entweder gelöscht oder neu hinzugefügt. Ihre ausgeblendeten "
                          u"Einheiten mussten daher zurückgesetzt werden."_qs});
    EXPECT_EQ(Namen(*w), (QStringList{u"Zoll"_qs, u"Rute"_qs, u"Fuß"_qs, u"Ärmel"_qs}));
    EXPECT_EQ(w->Ausblendungen_wegen_Land(), 1);
    EXPECT_EQ(Text(*w, "Label4"), u"4 Einheiten vorhanden, davon 0 ausgeblendet."_qs);
    EXPECT_EQ(Text(*w, "Label5"), u"8 Länder vorhanden, davon 1 ausgeblendet."_qs);
    w->close();
    EXPECT_EQ(Registry_lesen().werte.Versteckt.Reg_Laenge, u"11111"_qs);
}

TEST(OrderingTest, WithoutResultsReloads) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();
    w->EinheitensortierungnachLand1Click();
    EXPECT_EQ(Namen(*w),
              (QStringList{u"Meter"_qs, u"Fuß"_qs, u"Zoll"_qs, u"Rute"_qs, u"Ärmel"_qs}));
    EXPECT_TRUE(Aktion(*w, "ToolButton9_Aktion")->isChecked());
    EXPECT_FALSE(Aktion(*w, "EinheitensortierungnachLand1")->isEnabled());
    EXPECT_TRUE(Aktion(*w, "EinheitensortierungnachAlphabet1")->isEnabled());
    w->EinheitensortierungnachGre1Click();
    EXPECT_EQ(Namen(*w),
              (QStringList{u"Zoll"_qs, u"Fuß"_qs, u"Ärmel"_qs, u"Meter"_qs, u"Rute"_qs}));
    // The alphabet without results is the file order.
    w->EinheitensortierungnachAlphabet1Click();
    EXPECT_EQ(Namen(*w),
              (QStringList{u"Meter"_qs, u"Zoll"_qs, u"Rute"_qs, u"Fuß"_qs, u"Ärmel"_qs}));
    EXPECT_FALSE(w->rechenmodus());
    EXPECT_EQ(w->Aktuelle_Zeile(), 0);
}

TEST(OrderingTest, WithResultsKeepsResultsAndTheSelectedUnit) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();
    Testumrechner fake;
    w->Umrechner_setzen(std::ref(fake));
    w->Zeile_waehlen(3); // Fuß
    w->RechentasteClick();
    ASSERT_TRUE(w->rechenmodus());

    w->EinheitensortierungnachAlphabet1Click();
    // Ä is folded to AE: Ärmel comes first.
    EXPECT_EQ(Namen(*w),
              (QStringList{u"Ärmel"_qs, u"Fuß"_qs, u"Meter"_qs, u"Rute"_qs, u"Zoll"_qs}));
    EXPECT_TRUE(w->rechenmodus());
    EXPECT_EQ(w->Objekte()[static_cast<std::size_t>(w->Aktuelle_Zeile())].Ausgabetext.Einheit,
              u"Fuß"_qs);
    EXPECT_EQ(w->Objekte()[2].Rechenergebnis_wiss.text(), u"3,048000E-0001"_qs);

    w->EinheitensortierungnachGre1Click();
    EXPECT_EQ(Namen(*w),
              (QStringList{u"Zoll"_qs, u"Fuß"_qs, u"Ärmel"_qs, u"Meter"_qs, u"Rute"_qs}));
    EXPECT_EQ(w->Aktuelle_Zeile(), 1);
    EXPECT_EQ(fake.aufrufe, 1) << "ordering never recomputes";
}

TEST(OrderingTest, NothingInFractionsAndNoSizeOrderThere) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();
    Gebiet_waehlen(*w, 2);
    const QStringList vorher = Namen(*w);
    Aktion(*w, "ToolButton9_Aktion")->trigger();
    EXPECT_EQ(w->sortierung(), u"Alphabet"_qs);
    EXPECT_TRUE(Aktion(*w, "ToolButton8_Aktion")->isChecked())
        << "the button shows the order in force";
    EXPECT_FALSE(Aktion(*w, "ToolButton9_Aktion")->isChecked());
    EXPECT_EQ(Namen(*w), vorher);
}

TEST(ComputeTest, EntryErrorFocusesTheFieldAndChangesNothing) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();
    w->activateWindow();
    Testumrechner fake;
    w->Umrechner_setzen(std::ref(fake));
    auto* edit = Kind<QLineEdit>(*w, "Edit_Eingabe");
    f.Meldungstexte();
    edit->setText(u"1,5 "_qs);
    w->RechentasteClick();
    ASSERT_EQ(f.rekorder.gezeigt.size(), 1u);
    EXPECT_EQ(f.rekorder.gezeigt[0].art, Meldungsart::Fehler);
    EXPECT_EQ(f.rekorder.gezeigt[0].text, u"Falsche Eingabe im Werteingabeld! Bitte ändern! "_qs);
    EXPECT_EQ(edit->selectedText(), u"1,5 "_qs);
    EXPECT_FALSE(w->rechenmodus());
    EXPECT_TRUE(w->Objekte()[0].Rechenergebnis_wiss.isEmpty());

    edit->setText(u"1,5"_qs);
    w->Zeile_waehlen(1); // the user clicks Zoll
    w->ListBoxEinheitClick();
    w->RechentasteClick();
    EXPECT_TRUE(w->rechenmodus());
    EXPECT_EQ(w->Objekte()[0].Rechenergebnis_wiss.text(), u"3,810000E-0002"_qs);
    EXPECT_EQ(Text(*w, "Label_Ausgangseinheit"), u"1,5  Zoll"_qs);
    EXPECT_EQ(w->Aktuelle_Zeile(), 1);
}

TEST(ComputeTest, QuestionIsAskedAndAnswered) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();
    std::vector<std::optional<bool>> gefragt;
    Testumrechner fake;
    w->Umrechner_setzen([&](const Umrechnungsauftrag& a) {
        gefragt.push_back(a.Leichter_als_Wasser);
        if (!a.Leichter_als_Wasser) {
            Umrechnungsergebnis r;
            r.Frage = true;
            r.Meldungen.push_back({Meldungsart::Bestaetigung, u"Leichter als Wasser?"_qs, {}});
            return r;
        }
        return fake(a);
    });
    f.rekorder.antworten = {Antwort::Nein, Antwort::Abbrechen};
    w->RechentasteClick();
    ASSERT_EQ(gefragt.size(), 2u);
    EXPECT_EQ(gefragt[1], std::optional<bool>(false));
    EXPECT_TRUE(w->rechenmodus());
    ASSERT_EQ(f.rekorder.gefragt.size(), 1u);
    EXPECT_TRUE(f.rekorder.gefragt[0].mitAbbrechen);

    Gebiet_waehlen(*w, 0);
    w->RechentasteClick();
    EXPECT_EQ(gefragt.size(), 3u) << "Abbrechen computes nothing";
    EXPECT_FALSE(w->rechenmodus());
}

TEST(ComputeTest, CorrectedValueIsShownAndComputedMessagesFollow) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();
    f.Meldungstexte();
    Testumrechner fake;
    w->Umrechner_setzen([&](const Umrechnungsauftrag& a) {
        Umrechnungsauftrag korrigiert = a;
        korrigiert.Eingabe = u"10"_qs;
        Umrechnungsergebnis r = fake(korrigiert);
        r.Neue_Eingabe = u"10"_qs;
        r.Meldungen.push_back({Meldungsart::Schlicht, u"Werte < 10 nicht zulässig"_qs, {}});
        return r;
    });
    Kind<QLineEdit>(*w, "Edit_Eingabe")->setText(u"3"_qs);
    w->RechentasteClick();
    EXPECT_EQ(Kind<QLineEdit>(*w, "Edit_Eingabe")->text(), u"10"_qs);
    EXPECT_EQ(Text(*w, "Label_Ausgangseinheit"), u"10  Meter"_qs);
    EXPECT_EQ(f.Meldungstexte(), QStringList{u"Werte < 10 nicht zulässig"_qs});
    EXPECT_EQ(w->Objekte()[1].Rechenergebnis_wiss.text(), u"3,937008E+0002"_qs);
}

TEST(HeadlineTest, BlinksFiveTimesThenStaysVisible) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();
    Testumrechner fake;
    w->Umrechner_setzen(std::ref(fake));
    w->RechentasteClick();
    Ueberschrift& h = w->ueberschrift();
    ASSERT_TRUE(h.Timer1()->isActive());
    EXPECT_EQ(h.Timer1()->interval(), 500);
    std::vector<bool> sichtbar;
    for (int i = 0; i < 6; ++i) {
        h.Timer1Timer();
        sichtbar.push_back(h.Label_Ausgangseinheit()->isVisible());
        EXPECT_EQ(h.Flagge1()->isVisible(), sichtbar.back());
        EXPECT_EQ(h.Label2()->isVisible(), sichtbar.back());
    }
    EXPECT_EQ(sichtbar, (std::vector<bool>{true, false, true, false, true, true}));
    EXPECT_FALSE(h.Timer1()->isActive());
    // The phase is kept: the next headline starts with a hide.
    w->RechentasteClick();
    h.Timer1Timer();
    EXPECT_FALSE(h.Label_Ausgangseinheit()->isVisible());
}

TEST(CommandsTest, MenusCarryTheirCaptionsAndLaterEntriesAreDisabled) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();
    struct Fall {
        const char* name;
        const char16_t* text;
        bool an;
    };
    for (const Fall& c : {Fall{"Beenden1", u"&Beenden", true},
                          Fall{"Einheitumrechnen1", u"Einheit &umrechnen", true},
                          Fall{"Einheitensuchen1", u"Einheiten s&uchen", false},
                          Fall{"Laenderausblenden1", u"Lä&nder aus-/einblenden...", false},
                          Fall{"Naehrwerttabelle1", u"&Nährwerttabelle", false},
                          Fall{"UeberTalvero1", u"&Über Talvero", true}}) {
        QAction* a = Aktion(*w, c.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QString::fromUtf16(c.text)) << c.name;
        EXPECT_EQ(a->isEnabled(), c.an) << c.name;
    }
    EXPECT_EQ(Aktion(*w, "WertKopieren1")->shortcut(), QKeySequence(u"Ctrl+C"_qs));
    EXPECT_EQ(Aktion(*w, "Einheitumrechnen1")->shortcut(), QKeySequence(Qt::Key_Return));
    EXPECT_EQ(Aktion(*w, "Einheitenausblenden1")->shortcut(), QKeySequence(u"Ctrl+Del"_qs));
    EXPECT_EQ(Kind<QToolButton>(*w, "ToolButton12")->toolTip(), u"Sortierung nach Größe"_qs);
    EXPECT_EQ(Kind<QWidget>(*w, "Rechentaste")->toolTip(), u"Einheit umrechnen"_qs);
    EXPECT_FALSE(Kind<QToolButton>(*w, "ToolButton13")->icon().isNull());
}

TEST(CommandsTest, CopyAndPaste) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();
    Testumrechner fake;
    w->Umrechner_setzen(std::ref(fake));
    QApplication::clipboard()->setText(u"1609,344 und mehr Text"_qs);
    w->Einfuegen1Click();
    auto* edit = Kind<QLineEdit>(*w, "Edit_Eingabe");
    EXPECT_EQ(edit->text(), u"1609,344 und me"_qs) << "at most 15 characters";
    EXPECT_EQ(fake.aufrufe, 0) << "automatic computing is off";

    edit->setText(u"1609,344"_qs);
    w->RechentasteClick();
    w->Fliekommaanzeige1Click();
    w->WertKopieren1Click();
    EXPECT_EQ(QApplication::clipboard()->text(), u"1.609,3440000"_qs);
    w->WissenschaZahlenanzeige1Click();
    w->WertKopieren1Click();
    EXPECT_EQ(QApplication::clipboard()->text(), u"1,609344E+0003"_qs);
}

TEST(InfoTest, TextsOnUnitAndArea) {
    Fensterumgebung f;
    QStringList zeilen{test::Einheitenzeile(u"Elle"_qs, u"0,6"_qs, u"SI-Einheit"_qs)};
    QStringList felder = zeilen[0].split(u'\t');
    felder[18] = u"Erste Zeile****Zweite Zeile"_qs;
    f.env.Datenordner_schreiben({u"Länge\tLAENGE\tMeter"_qs},
                                {u"Längen"_qs, u"aller Art"_qs, u"*"_qs},
                                {{u"LAENGE"_qs, {felder.join(u'\t')}}});
    auto w = f.Fenster_starten();
    f.Meldungstexte();
    w->ListBoxEinheitDblClick();
    w->ToolButton1Click();
    w->ToolButton7Click();
    EXPECT_EQ(f.Meldungstexte(),
              (QStringList{u"Erste Zeile\r\nZweite Zeile"_qs, u"Erste Zeile****Zweite Zeile"_qs,
                           u"Längen\r\naller Art\r\n"_qs}));
    EXPECT_TRUE(Aktion(*w, "ToolButton1_Aktion")->isEnabled());
}

} // namespace

namespace {

TEST(KeyboardTest, EnterComputesAndTypingComputesWhenAutomatic) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();
    QApplication::setActiveWindow(w.get());
    Testumrechner fake;
    w->Umrechner_setzen(std::ref(fake));
    auto* edit = Kind<QLineEdit>(*w, "Edit_Eingabe");
    auto* list = Kind<QListView>(*w, "ListBoxEinheit");

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(fake.aufrufe, 1) << "Enter in the value field";
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(fake.aufrufe, 2) << "Enter in the list";

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_5);
    EXPECT_EQ(fake.aufrufe, 2) << "typing computes only with automatic computing";
    w->AutomatischesRechnen1Click();
    EXPECT_EQ(fake.aufrufe, 3);
    QTest::keyClick(edit, Qt::Key_Comma, Qt::KeypadModifier);
    EXPECT_EQ(fake.aufrufe, 3) << "the keypad's decimal key alone";
    QTest::keyClick(edit, Qt::Key_5);
    EXPECT_EQ(fake.aufrufe, 4);
    EXPECT_EQ(edit->text(), u"15,5"_qs);

    Gebiet_waehlen(*w, 2); // Brüche: typing waits for Enter
    const int vorher = fake.aufrufe;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_7);
    EXPECT_EQ(fake.aufrufe, vorher);
    edit->clear();
    Gebiet_waehlen(*w, 0);
    EXPECT_EQ(fake.aufrufe, vorher) << "no automatic computing with an empty value field";
}

TEST(TranslationTest, StandardButtonsAreGerman) {
    Anwendung_sicherstellen();
    Deutsche_Uebersetzung_installieren(*qApp);
    QMessageBox box(QMessageBox::Question, u"Bestätigen"_qs, u"?"_qs,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(u'&'), u"Ja"_qs);
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(u'&'), u"Nein"_qs);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove(u'&'), u"Abbrechen"_qs);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text().remove(u'&'), u"OK"_qs);
}

} // namespace

namespace {

TEST(LayoutTest, WidthFollowsTheScreenAndTheListTheHeight) {
    Fensterumgebung f;
    auto w = f.Fenster_starten();
    const double faktor = w->Aufloesungsfaktor();
    EXPECT_DOUBLE_EQ(faktor, w->logicalDpiX() / 96.0 * 1.02);
    const int breite = static_cast<int>(std::lrint(585 * faktor));
    EXPECT_EQ(w->width(), breite);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);

    auto* list = Kind<QListView>(*w, "ListBoxEinheit");
    w->resize(900, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->width(), breite) << "the width springs back";
    const int klein = list->height();
    w->resize(900, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->height(), 800);
    EXPECT_EQ(list->height() - klein, 300) << "the list takes what the height gives";

    // The list's font is made smaller again by the screen factor.
    const double punkte = QApplication::font().pointSizeF();
    EXPECT_EQ(list->font().pointSize(), static_cast<int>(std::lrint(punkte / faktor)));
}

} // namespace
