#include "app/commands.h"

#include "app/icons.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace talvero {
namespace {

const char* const Spaeter = "talvero_spaeter";

QAction* Eintrag(QMenu* menu, const char* name, const QString& text, const QString& hinweis = {},
                 const QKeySequence& taste = {}) {
    auto* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    if (!hinweis.isEmpty())
        a->setStatusTip(hinweis);
    if (!taste.isEmpty())
        a->setShortcut(taste);
    return a;
}

// An entry whose function comes with a later part of the program.
QAction* Spaeter_da(QAction* a) {
    a->setProperty(Spaeter, true);
    a->setEnabled(false);
    return a;
}

QAction* Knopf(QToolBar* bar, const char* name, Symbol symbol, const QString& hinweis) {
    auto* a = bar->addAction(Werkzeugsymbol(symbol), hinweis);
    a->setObjectName(QString::fromLatin1(name) + QStringLiteral("_Aktion"));
    a->setToolTip(hinweis);
    a->setStatusTip(hinweis);
    if (QWidget* w = bar->widgetForAction(a))
        w->setObjectName(QString::fromLatin1(name));
    return a;
}

} // namespace

void Freigeben(QAction* a, bool an) {
    a->setEnabled(an && !a->property(Spaeter).toBool());
}

std::unique_ptr<Befehle> Befehle_erzeugen(QMainWindow* window, QComboBox* ComboBox2) {
    auto b = std::make_unique<Befehle>();
    QMenuBar* bar = window->menuBar();

    QMenu* datei = bar->addMenu(QStringLiteral("&Datei"));
    b->Beenden1 =
        Eintrag(datei, "Beenden1", QStringLiteral("&Beenden"), QStringLiteral("Talvero beenden"));

    QMenu* bearbeiten = bar->addMenu(QStringLiteral("&Bearbeiten"));
    b->WertKopieren1 =
        Eintrag(bearbeiten, "WertKopieren1", QStringLiteral("&Kopieren Rechenergebnis"),
                QStringLiteral("Das Rechenergebnis der gewählten Einheit in die Zwischenablage "
                               "kopieren"),
                QKeySequence(Qt::CTRL | Qt::Key_C));
    b->Einfuegen1 =
        Eintrag(bearbeiten, "Einfuegen1", QStringLiteral("&Einfügen in Werteingabefeld"),
                QStringLiteral("Den Text der Zwischenablage in das Werteingabefeld einfügen"),
                QKeySequence(Qt::CTRL | Qt::Key_V));

    QMenu* einheit = bar->addMenu(QStringLiteral("&Einheit"));
    einheit->setObjectName(QStringLiteral("Einheit1"));
    b->Einheitumrechnen1 =
        Eintrag(einheit, "Einheitumrechnen1", QStringLiteral("Einheit &umrechnen"),
                QStringLiteral("Einheit umrechnen"));
    b->Einheitumrechnen1->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    b->Einheitenausblenden1 = Spaeter_da(
        Eintrag(einheit, "Einheitenausblenden1", QStringLiteral("Einheit(en) &ausblenden"),
                QStringLiteral("Einheit(en) ausblenden"), QKeySequence(Qt::CTRL | Qt::Key_Delete)));
    b->Einheiteneinblenden1 = Spaeter_da(Eintrag(einheit, "Einheiteneinblenden1",
                                                 QStringLiteral("Einheit(en) &einblenden..."),
                                                 QStringLiteral("Einheit(en) einblenden")));
    b->Einheitenloeschen1 =
        Spaeter_da(Eintrag(einheit, "Einheitenloeschen1", QStringLiteral("Einheit(en) &löschen")));
    einheit->addSeparator();
    b->EigeneEinheiteinfuegen1 = Spaeter_da(
        Eintrag(einheit, "EigeneEinheiteinfuegen1", QStringLiteral("Ei&gene Einheit einfügen...")));
    b->Umrechnungsfaktoraendern1 = Spaeter_da(Eintrag(
        einheit, "Umrechnungsfaktoraendern1", QStringLiteral("&Umrechnungsfaktor ändern...")));
    einheit->addSeparator();
    b->Einheitensuchen1 =
        Spaeter_da(Eintrag(einheit, "Einheitensuchen1", QStringLiteral("Einheiten s&uchen"),
                           QStringLiteral("Einheit suchen")));
    b->InformationenzurEinheit1 =
        Eintrag(einheit, "InformationenzurEinheit1", QStringLiteral("&Informationen zur Einheit"),
                QStringLiteral("Informationen zur Einheit"));

    QMenu* gebiet = bar->addMenu(QStringLiteral("&Gebiet"));
    b->NeuesGebieteinfuegen1 = Spaeter_da(
        Eintrag(gebiet, "NeuesGebieteinfuegen1", QStringLiteral("Neues Gebiet &einfügen...")));
    b->VorhandenesGebietloeschen1 = Spaeter_da(Eintrag(
        gebiet, "VorhandenesGebietloeschen1", QStringLiteral("Vorhandenes Gebiet &löschen...")));
    gebiet->addSeparator();
    b->InformationenzumGebiet1 =
        Eintrag(gebiet, "InformationenzumGebiet1", QStringLiteral("&Informationen zum Gebiet"),
                QStringLiteral("Informationen zum Gebiet"));

    QMenu* einstellungen = bar->addMenu(QStringLiteral("Ei&nstellungen"));
    b->Fliekommaanzeige1 =
        Eintrag(einstellungen, "Fliekommaanzeige1", QStringLiteral("&Fließkommaanzeige"),
                QStringLiteral("Fließkomma-Anzeige"));
    b->WissenschaZahlenanzeige1 = Eintrag(einstellungen, "WissenschaZahlenanzeige1",
                                          QStringLiteral("&Wissenscha. Zahlenanzeige"),
                                          QStringLiteral("Wissenschaftliche Zahlenanzeige"));
    einstellungen->addSeparator();
    b->EinheitensortierungnachAlphabet1 =
        Eintrag(einstellungen, "EinheitensortierungnachAlphabet1",
                QStringLiteral("Einheitensortierung nach &Alphabet"),
                QStringLiteral("Sortierung alphabetisch"));
    b->EinheitensortierungnachLand1 = Eintrag(einstellungen, "EinheitensortierungnachLand1",
                                              QStringLiteral("Einheitensortierung nach &Land"),
                                              QStringLiteral("Sortierung nach Land"));
    b->EinheitensortierungnachGre1 = Eintrag(einstellungen, "EinheitensortierungnachGre1",
                                             QStringLiteral("Einheitensortierung nach &Größe"),
                                             QStringLiteral("Sortierung nach Größe"));
    einstellungen->addSeparator();
    b->Laenderausblenden1 = Spaeter_da(
        Eintrag(einstellungen, "Laenderausblenden1", QStringLiteral("Lä&nder aus-/einblenden...")));
    b->AutomatischesRechnen1 =
        Eintrag(einstellungen, "AutomatischesRechnen1", QStringLiteral("&Automatisches Rechnen"),
                QStringLiteral("Bei jeder Änderung sofort umrechnen"));
    b->AutomatischesRechnen1->setCheckable(true);

    QMenu* info = bar->addMenu(QStringLiteral("&Informationen"));
    for (const auto& [name, text] : std::initializer_list<std::pair<const char*, QString>>{
             {"Vorsatzzeichen1", QStringLiteral("&Vorsatzzeichen")},
             {"ChemischeElemente1", QStringLiteral("&Chemische Elemente")},
             {"PhysikalischeKonstanten1", QStringLiteral("&Physikalische Konstanten")},
             {"Stoffdaten1", QStringLiteral("&Stoffdaten")},
             {"DiverseDaten1", QStringLiteral("&Diverse Daten")},
             {"Zeichentabellen1", QStringLiteral("&Zeichentabellen")},
             {"Auslandsvorwahlen1", QStringLiteral("Auslands&vorwahlen")},
             {"Buchstabiertafel1", QStringLiteral("&Buchstabiertafel")},
             {"Konfektionsgroessen1", QStringLiteral("&Konfektionsgrößen")},
             {"Naehrwerttabelle1", QStringLiteral("&Nährwerttabelle")}})
        Spaeter_da(Eintrag(info, name, text));
    b->ImmerwaehrenderKalender1 =
        Eintrag(info, "ImmerwaehrenderKalender1", QStringLiteral("&Immerwährender Kalender"),
                QStringLiteral("Wochentag eines Datums und bewegliche "
                               "Feiertage eines Jahres"));

    QMenu* extras = bar->addMenu(QStringLiteral("E&xtras"));
    Spaeter_da(Eintrag(extras, "MolmassenRechner1", QStringLiteral("&Molmassen-Rechner")));
    Spaeter_da(Eintrag(extras, "FlaechenBerechnung1", QStringLiteral("&Flächen-Berechnung")));
    Spaeter_da(Eintrag(extras, "KoerperBerechnung1", QStringLiteral("&Körper-Berechnung")));

    QMenu* hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    b->Index1 = Spaeter_da(
        Eintrag(hilfe, "Index1", QStringLiteral("&Index"), {}, QKeySequence(Qt::Key_F1)));
    b->UeberTalvero1 = Eintrag(hilfe, "UeberTalvero1", QStringLiteral("&Über Talvero"));

    b->Kopieren1 = new QAction(QStringLiteral("Kopieren"), window);
    b->Kopieren1->setObjectName(QStringLiteral("Kopieren1"));

    QToolBar* tb = window->addToolBar(QStringLiteral("Werkzeugleiste"));
    tb->setObjectName(QStringLiteral("ToolBar1"));
    tb->setMovable(false);
    tb->setIconSize(QSize(20, 20));
    b->Werkzeugleiste = tb;
    tb->addWidget(ComboBox2);
    tb->addSeparator();
    b->ToolButton7 =
        Knopf(tb, "ToolButton7", Symbol::GebietInfo, QStringLiteral("Informationen zum Gebiet"));
    b->ToolButton1 =
        Knopf(tb, "ToolButton1", Symbol::EinheitInfo, QStringLiteral("Informationen zur Einheit"));
    b->ToolButton2 =
        Spaeter_da(Knopf(tb, "ToolButton2", Symbol::Suchen, QStringLiteral("Einheit suchen")));
    b->ToolButton3 = Spaeter_da(
        Knopf(tb, "ToolButton3", Symbol::Ausblenden, QStringLiteral("Einheit(en) ausblenden")));
    b->ToolButton4 = Spaeter_da(
        Knopf(tb, "ToolButton4", Symbol::Einblenden, QStringLiteral("Einheit(en) einblenden")));
    b->ToolButton10 =
        Knopf(tb, "ToolButton10", Symbol::Umrechnen, QStringLiteral("Einheit umrechnen"));
    tb->addSeparator();
    b->ToolButton8 =
        Knopf(tb, "ToolButton8", Symbol::SortAlphabet, QStringLiteral("Sortierung alphabetisch"));
    b->ToolButton9 =
        Knopf(tb, "ToolButton9", Symbol::SortLand, QStringLiteral("Sortierung nach Land"));
    b->ToolButton12 =
        Knopf(tb, "ToolButton12", Symbol::SortGroesse, QStringLiteral("Sortierung nach Größe"));
    tb->addSeparator();
    b->ToolButton11 =
        Knopf(tb, "ToolButton11", Symbol::Fliesskomma, QStringLiteral("Fließkomma-Anzeige"));
    b->ToolButton13 = Knopf(tb, "ToolButton13", Symbol::Wissenschaftlich,
                            QStringLiteral("Wissenschaftliche Zahlenanzeige"));

    b->Sortiergruppe = new QActionGroup(window);
    for (QAction* a : {b->ToolButton8, b->ToolButton9, b->ToolButton12}) {
        a->setCheckable(true);
        b->Sortiergruppe->addAction(a);
    }
    b->Anzeigegruppe = new QActionGroup(window);
    for (QAction* a : {b->ToolButton11, b->ToolButton13}) {
        a->setCheckable(true);
        b->Anzeigegruppe->addAction(a);
    }
    return b;
}

} // namespace talvero
