#pragma once

#include "app/compute.h"
#include "app/flags.h"
#include "convert/dispatch.h"
#include "database/hiding.h"
#include "database/records.h"

#include <QMainWindow>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace talvero {

class Einheitenliste;
class Einheitenmodell;
class Infopanel;
class TLand_neu_Dlg;
class Ueberschrift;
struct Befehle;

// The main window: the sole holder of the program state. Its handlers read widgets,
// call the core and write widgets; drawing, the panel, the headline, the menus and the
// flags live in helpers of their own.
class TMyWindow : public QMainWindow {
    Q_OBJECT
public:
    // Window creation: defaults, empty lists, the list font scaled to the screen.
    explicit TMyWindow(QWidget* parent = nullptr);
    ~TMyWindow() override;

    // The start-up sequence; runs once when the window is first shown.
    void FormShow();
    // The area switch: reloads the area selected in the area box.
    void ComboBox2Change();
    // Computes the results of the current area through the conversion engine.
    void RechentasteClick();
    // The conversion engine; until one is set, computing does nothing.
    void Umrechner_setzen(Umrechner u) { umrechner_ = std::move(u); }

    // Loading (Werte_Datei_in_ObjektListe) and the rows of the list.
    void Werte_Datei_in_ObjektListe();
    void Werte_Objektliste_in_Listbox();
    // The panel, the name and flag below the list, the headline, the status line.
    void Werte_in_Info_Feld();
    void Text_Flagge_unterhalb_Liste();
    void Text_Flagge_oberhalb_Liste_erzeugen();
    void Text_Flagge_oberhalb_Liste_Loeschen();
    void Text_Ausblendungen();

    // Commands.
    void EinheitensortierungnachAlphabet1Click();
    void EinheitensortierungnachLand1Click();
    void EinheitensortierungnachGre1Click();
    void Fliekommaanzeige1Click();
    void WissenschaZahlenanzeige1Click();
    void AutomatischesRechnen1Click();
    void WertKopieren1Click();
    void Einfuegen1Click();
    void ListBoxEinheitClick();
    void ListBoxEinheitDblClick();
    void ToolButton1Click();
    void ToolButton7Click();
    void UeberTalvero1Click();
    void ImmerwaehrenderKalender1Click();

    // The state, for the dialogs and for tests.
    const talvero::ObjektListe& Objekte() const { return ObjektListe; }
    const std::vector<Typ_GruppenInfo>& gruppeninfos() const { return Gruppeninfos; }
    const Typ_GruppenInfo* Aktuelles_Gebiet() const;
    QString Gebietname() const;
    int Aktuelle_Zeile() const;
    void Zeile_waehlen(int row);
    bool rechenmodus() const { return Rechenmodus; }
    bool wissenschaftlich() const { return Ausgabe_wissenschaftlich; }
    bool automatisch() const { return Automatisches_Rechnen; }
    const QString& sortierung() const { return ESortierung; }
    const Ausblendungen& ausblendungen() const { return Versteckt; }
    int Saetze_in_Datei() const { return Anzahl_Saetze_in_Datei; }
    int Ausblendungen_wegen_Land() const { return Anzahl_Ausblendungen_wegen_Land; }
    int Ausblendungen_normal() const { return Anzahl_Ausblendungen_normal; }
    double Aufloesungsfaktor() const { return Resolution_Faktor; }
    Ueberschrift& ueberschrift() const { return *headline_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Oberflaeche_aufbauen();
    void Befehle_verbinden();
    void Registry_lesen();
    void Registry_schreiben();
    void Sortieren(const QString& neu);
    void Sortiermarken_setzen();
    void Anzeige_setzen(bool wissenschaftlich);
    void Anzeigemarken_setzen();
    void Ausblendknoepfe_setzen();
    void Automatisch_rechnen_wenn(bool erlaubt);
    void Fokus_auf(const QString& objectName);
    void Meldungen_zeigen(const std::vector<Meldung>& meldungen);
    const TAusgabetextobject* Aktueller_Eintrag() const;

    // Program state.
    std::vector<Typ_GruppenInfo> Gruppeninfos;
    int Anzahl_Gebiete = 0;
    QString GebietInfoString;
    int Gebietsnummer = 1;
    talvero::ObjektListe ObjektListe;
    int Anzahl_Saetze_in_Datei = 0;
    int Anzahl_Ausblendungen_wegen_Land = 0;
    int Anzahl_Ausblendungen_normal = 0;
    bool ausgeblendete_trotzdem_anzeigen = false;
    bool Automatisches_Rechnen = false;
    QString ESortierung = QStringLiteral("Alphabet");
    bool Ausgabe_wissenschaftlich = true;
    Ausblendungen Versteckt; // Reg_Laender, Reg_Laenge, Reg_Flaeche, Reg_Volumen, Reg_Masse
    bool Rechenmodus = false;
    double Resolution_Faktor = 1.02;

    bool gezeigt_ = false;
    bool fuellt_ = false;             // the list is being refilled: no click handling
    Umrechner umrechner_ = Umrechnen; // tests set a stand-in
    Flaggenspeicher flaggen_;

    // Controls.
    QComboBox* ComboBox2 = nullptr;
    Einheitenliste* ListBoxEinheit = nullptr;
    Einheitenmodell* modell_ = nullptr;
    Infopanel* Panel1 = nullptr;
    Ueberschrift* headline_ = nullptr;
    QLineEdit* Edit_Eingabe = nullptr;
    QPushButton* Rechentaste = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label_gewaehlte_einheit = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QToolButton* SpeedButton9 = nullptr;
    QToolButton* SpeedButton10 = nullptr;
    std::unique_ptr<Befehle> befehle_;
    TLand_neu_Dlg* laender_ = nullptr;
};

} // namespace talvero
