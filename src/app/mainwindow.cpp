#include "app/mainwindow.h"

#include "app/calendar_dialog.h"

#include "app/commands.h"
#include "app/dialogs.h"
#include "app/headline.h"
#include "app/infopanel.h"
#include "app/messages.h"
#include "app/unitlist.h"
#include "database/areatable.h"
#include "database/loader.h"
#include "database/seed.h"
#include "database/settings.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace talvero {
namespace {

// The window is designed 585 units wide; the width follows the screen, not the user.
constexpr double Entwurfsbreite = 585;
constexpr double Entwurfshoehe = 620;

QToolButton* Kleiner_Knopf(QWidget* parent, const char* name, const QString& hinweis,
                           QStyle::StandardPixmap bild) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hinweis);
    b->setIcon(parent->style()->standardIcon(bild));
    b->setAutoRaise(true);
    b->setEnabled(false); // the temporary showing comes with the hiding commands
    return b;
}

} // namespace

TMyWindow::TMyWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MyWindow"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    // Screen pixels per inch / 96 x 1.02, in extended precision, kept as a double.
    const long double dpi = QGuiApplication::primaryScreen()
                                ? QGuiApplication::primaryScreen()->logicalDotsPerInchX()
                                : 96.0;
    Resolution_Faktor = static_cast<double>(dpi / 96.0L * 1.02L);

    Oberflaeche_aufbauen();
    Befehle_verbinden();
    Dialoge_erzeugen(this);
    laender_ = findChild<TLand_neu_Dlg*>(QStringLiteral("TLand_neu_Dlg"));

    const int breite = static_cast<int>(std::lrint(Entwurfsbreite * Resolution_Faktor));
    setFixedWidth(breite);
    resize(breite, static_cast<int>(std::lrint(Entwurfshoehe * Resolution_Faktor)));
}

TMyWindow::~TMyWindow() = default;

void TMyWindow::Oberflaeche_aufbauen() {
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(false);
    ComboBox2->setMaxVisibleItems(27);
    ComboBox2->setMinimumContentsLength(15);
    ComboBox2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    befehle_ = Befehle_erzeugen(this, ComboBox2);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Zentrum"));
    setCentralWidget(central);
    auto* main = new QVBoxLayout(central);
    main->setContentsMargins(6, 4, 6, 6);
    main->setSpacing(4);

    headline_ = new Ueberschrift(central);
    main->addWidget(headline_->widget());

    auto* mitte = new QHBoxLayout;
    mitte->setSpacing(6);
    auto* links = new QVBoxLayout;
    links->setSpacing(2);
    ListBoxEinheit = new Einheitenliste(central);
    ListBoxEinheit->setObjectName(QStringLiteral("ListBoxEinheit"));
    modell_ = new Einheitenmodell(ObjektListe, Rechenmodus, Ausgabe_wissenschaftlich, this);
    ListBoxEinheit->setModel(modell_);
    ListBoxEinheit->setItemDelegate(new Einheitenzeichner(flaggen_, ListBoxEinheit));
    // The list's font is made smaller again by the screen factor.
    QFont listFont = ListBoxEinheit->font();
    listFont.setPointSize(
        std::max(1, static_cast<int>(std::lrint(listFont.pointSizeF() / Resolution_Faktor))));
    ListBoxEinheit->setFont(listFont);
    ListBoxEinheit->setContextMenuPolicy(Qt::ActionsContextMenu);
    ListBoxEinheit->addAction(befehle_->Kopieren1);
    links->addWidget(ListBoxEinheit, 1);

    // Status line: counts of units and countries with the buttons for showing hidden
    // ones for a moment.
    auto* status = new QGridLayout;
    status->setHorizontalSpacing(4);
    status->setVerticalSpacing(0);
    Label4 = new QLabel(central);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label5 = new QLabel(central);
    Label5->setObjectName(QStringLiteral("Label5"));
    SpeedButton7 = Kleiner_Knopf(central, "SpeedButton7",
                                 QStringLiteral("Ausgeblendete Einheiten kurzzeitig anzeigen."),
                                 QStyle::SP_ArrowDown);
    SpeedButton8 = Kleiner_Knopf(
        central, "SpeedButton8",
        QStringLiteral("Kurzzeitige Anzeige der ausgeblendeten Einheiten rückgängig."),
        QStyle::SP_ArrowUp);
    SpeedButton9 = Kleiner_Knopf(central, "SpeedButton9",
                                 QStringLiteral("Ausgeblendete Länder kurzzeitig anzeigen."),
                                 QStyle::SP_ArrowDown);
    SpeedButton10 =
        Kleiner_Knopf(central, "SpeedButton10",
                      QStringLiteral("Kurzzeitige Anzeige der ausgeblendeten Länder rückgängig."),
                      QStyle::SP_ArrowUp);
    status->addWidget(Label4, 0, 0);
    status->addWidget(SpeedButton7, 0, 1);
    status->addWidget(SpeedButton8, 0, 2);
    status->addWidget(Label5, 1, 0);
    status->addWidget(SpeedButton9, 1, 1);
    status->addWidget(SpeedButton10, 1, 2);
    status->setColumnStretch(0, 1);
    links->addLayout(status);
    mitte->addLayout(links, 1);

    Panel1 = new Infopanel(central);
    Panel1->setFixedWidth(static_cast<int>(std::lrint(210 * Resolution_Faktor)));
    mitte->addWidget(Panel1);
    main->addLayout(mitte, 1);

    auto* unten = new QHBoxLayout;
    unten->setSpacing(6);
    Label3 = new QLabel(QStringLiteral("Werteingabe:"), central);
    Label3->setObjectName(QStringLiteral("Label3"));
    Edit_Eingabe = new QLineEdit(QStringLiteral("1"), central);
    Edit_Eingabe->setObjectName(QStringLiteral("Edit_Eingabe"));
    Edit_Eingabe->setMaxLength(15);
    Edit_Eingabe->setFixedWidth(Edit_Eingabe->fontMetrics().horizontalAdvance(u'0') * 17);
    Label3->setBuddy(Edit_Eingabe);
    Rechentaste = new QPushButton(QStringLiteral("Umrechnen"), central);
    Rechentaste->setObjectName(QStringLiteral("Rechentaste"));
    Rechentaste->setToolTip(QStringLiteral("Einheit umrechnen"));
    Rechentaste->setAutoDefault(false);
    Label_gewaehlte_einheit = new QLabel(central);
    Label_gewaehlte_einheit->setObjectName(QStringLiteral("Label_gewaehlte_einheit"));
    QFont bold = Label_gewaehlte_einheit->font();
    bold.setBold(true);
    Label_gewaehlte_einheit->setFont(bold);
    Image1 = new QLabel(central);
    Image1->setObjectName(QStringLiteral("Image1"));
    unten->addWidget(Label3);
    unten->addWidget(Edit_Eingabe);
    unten->addWidget(Rechentaste);
    unten->addSpacing(10);
    unten->addWidget(Label_gewaehlte_einheit);
    unten->addSpacing(5 - unten->spacing());
    unten->addWidget(Image1);
    unten->addStretch(1);
    main->addLayout(unten);

    Edit_Eingabe->installEventFilter(this);
}

void TMyWindow::Befehle_verbinden() {
    Befehle& b = *befehle_;
    connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    connect(b.Beenden1, &QAction::triggered, this, &QWidget::close);
    connect(b.WertKopieren1, &QAction::triggered, this, &TMyWindow::WertKopieren1Click);
    connect(b.Kopieren1, &QAction::triggered, this, &TMyWindow::WertKopieren1Click);
    connect(b.Einfuegen1, &QAction::triggered, this, &TMyWindow::Einfuegen1Click);
    connect(b.Einheitumrechnen1, &QAction::triggered, this, &TMyWindow::RechentasteClick);
    connect(b.ToolButton10, &QAction::triggered, this, &TMyWindow::RechentasteClick);
    connect(Rechentaste, &QPushButton::clicked, this, &TMyWindow::RechentasteClick);
    connect(b.InformationenzurEinheit1, &QAction::triggered, this, &TMyWindow::ToolButton1Click);
    connect(b.ToolButton1, &QAction::triggered, this, &TMyWindow::ToolButton1Click);
    connect(b.InformationenzumGebiet1, &QAction::triggered, this, &TMyWindow::ToolButton7Click);
    connect(b.ToolButton7, &QAction::triggered, this, &TMyWindow::ToolButton7Click);
    connect(b.Fliekommaanzeige1, &QAction::triggered, this, &TMyWindow::Fliekommaanzeige1Click);
    connect(b.ToolButton11, &QAction::triggered, this, &TMyWindow::Fliekommaanzeige1Click);
    connect(b.WissenschaZahlenanzeige1, &QAction::triggered, this,
            &TMyWindow::WissenschaZahlenanzeige1Click);
    connect(b.ToolButton13, &QAction::triggered, this, &TMyWindow::WissenschaZahlenanzeige1Click);
    connect(b.EinheitensortierungnachAlphabet1, &QAction::triggered, this,
            &TMyWindow::EinheitensortierungnachAlphabet1Click);
    connect(b.ToolButton8, &QAction::triggered, this,
            &TMyWindow::EinheitensortierungnachAlphabet1Click);
    connect(b.EinheitensortierungnachLand1, &QAction::triggered, this,
            &TMyWindow::EinheitensortierungnachLand1Click);
    connect(b.ToolButton9, &QAction::triggered, this,
            &TMyWindow::EinheitensortierungnachLand1Click);
    connect(b.EinheitensortierungnachGre1, &QAction::triggered, this,
            &TMyWindow::EinheitensortierungnachGre1Click);
    connect(b.ToolButton12, &QAction::triggered, this,
            &TMyWindow::EinheitensortierungnachGre1Click);
    connect(b.AutomatischesRechnen1, &QAction::triggered, this,
            &TMyWindow::AutomatischesRechnen1Click);
    connect(b.UeberTalvero1, &QAction::triggered, this, &TMyWindow::UeberTalvero1Click);
    connect(b.ImmerwaehrenderKalender1, &QAction::triggered, this,
            &TMyWindow::ImmerwaehrenderKalender1Click);
    if (QMenu* einheit = menuBar()->findChild<QMenu*>(QStringLiteral("Einheit1")))
        connect(einheit, &QMenu::aboutToShow, this, &TMyWindow::Ausblendknoepfe_setzen);

    connect(ListBoxEinheit->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!fuellt_)
            ListBoxEinheitClick();
    });
    connect(ListBoxEinheit, &QAbstractItemView::doubleClicked, this,
            &TMyWindow::ListBoxEinheitDblClick);
}

void TMyWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!gezeigt_) {
        gezeigt_ = true;
        // The start-up runs once the window is on screen, so that its messages have a
        // window to stand over.
        QMetaObject::invokeMethod(this, &TMyWindow::FormShow, Qt::QueuedConnection);
    }
}

void TMyWindow::FormShow() {
    Registry_lesen();
    if (laender_ && laender_->Lesefehler)
        meldungsdienst().zeigen({Meldungsart::Fehler, *laender_->Lesefehler, {}});
    if (laender_)
        laender_->Listen_aktualisieren(Versteckt.Reg_Laender);
    setWindowTitle(QStringLiteral("Talvero 7.01"));
    // The editing password comes with the editing commands; until then there is no
    // password file to create.

    // The shipped database seeds an empty data folder; then the area table is read.
    if (const auto seeded = Datenordner_einrichten(); !seeded)
        meldungsdienst().zeigen({Meldungsart::Fehler, seeded.error(), {}});
    // Without areas the program starts with an empty area box and says why.
    const auto areas = Gebiete_laden();
    Gruppeninfos = areas.value_or(std::vector<Typ_GruppenInfo>());
    if (!areas)
        meldungsdienst().zeigen({Meldungsart::Fehler,
                                 QStringLiteral("Die Gebietstabelle konnte nicht gelesen werden. "
                                                "Talvero startet ohne Gebiete.\n\n") +
                                     areas.error(),
                                 {}});
    else if (Gruppeninfos.empty())
        meldungsdienst().zeigen({Meldungsart::Fehler,
                                 QStringLiteral("Die Gebietstabelle enthält keine Gebiete. "
                                                "Talvero startet ohne Gebiete."),
                                 {}});
    Anzahl_Gebiete = static_cast<int>(Gruppeninfos.size());
    GebietInfoString = Gebiet_Infos_einlesen().value_or(QString());

    {
        const QSignalBlocker blocker(ComboBox2);
        ComboBox2->clear();
        for (const Typ_GruppenInfo& g : Gruppeninfos)
            ComboBox2->addItem(g.Gebietname);
        if (ComboBox2->count() > 0)
            ComboBox2->setCurrentIndex(ComboBox2->count() < Gebietsnummer ? 0 : Gebietsnummer - 1);
    }
    if (Anzahl_Gebiete > 0) {
        Werte_Datei_in_ObjektListe();
        Werte_Objektliste_in_Listbox();
    }
    Werte_in_Info_Feld();
    Text_Flagge_unterhalb_Liste();
    Text_Ausblendungen();

    SpeedButton8->setEnabled(false);
    headline_->Text_Flagge_oberhalb_Liste_Loeschen();
    Sortiermarken_setzen();
    Anzeigemarken_setzen();
    befehle_->WertKopieren1->setEnabled(false);
    if (Automatisches_Rechnen && !Edit_Eingabe->text().isEmpty())
        RechentasteClick();
    Ausblendknoepfe_setzen();
}

const Typ_GruppenInfo* TMyWindow::Aktuelles_Gebiet() const {
    const int i = ComboBox2->currentIndex();
    if (i < 0 || i >= static_cast<int>(Gruppeninfos.size()))
        return nullptr;
    return &Gruppeninfos[static_cast<std::size_t>(i)];
}

QString TMyWindow::Gebietname() const {
    return ComboBox2->currentIndex() >= 0 ? ComboBox2->currentText() : QString();
}

int TMyWindow::Aktuelle_Zeile() const {
    const QModelIndex i = ListBoxEinheit->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TMyWindow::Zeile_waehlen(int row) {
    if (row < 0 || row >= modell_->rowCount())
        return;
    // Choosing a row from the program is no click of the user.
    const bool vorher = fuellt_;
    fuellt_ = true;
    ListBoxEinheit->selectionModel()->setCurrentIndex(modell_->index(row),
                                                      QItemSelectionModel::ClearAndSelect);
    fuellt_ = vorher;
}

const TAusgabetextobject* TMyWindow::Aktueller_Eintrag() const {
    if (ObjektListe.empty())
        return nullptr;
    const int row = Aktuelle_Zeile();
    // Without a current row the first entry stands in.
    return &ObjektListe[row < 0 ? 0 : static_cast<std::size_t>(row)];
}

void TMyWindow::ComboBox2Change() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Rechenmodus = false;
    befehle_->WertKopieren1->setEnabled(false);
    Text_Flagge_oberhalb_Liste_Loeschen();
    ObjektListe.clear();
    Werte_Datei_in_ObjektListe();
    Werte_Objektliste_in_Listbox();
    Werte_in_Info_Feld();
    Text_Flagge_unterhalb_Liste();
    Zeile_waehlen(0);
    Text_Ausblendungen();
    SpeedButton8->setEnabled(false);
    QApplication::restoreOverrideCursor();
    if (Gebietname() != u"Weltzeit" && Automatisches_Rechnen && !Edit_Eingabe->text().isEmpty())
        RechentasteClick();
    Ausblendknoepfe_setzen();
    if (ListBoxEinheit->isVisible()) {
        ListBoxEinheit->setFocus();
        Zeile_waehlen(std::max(0, Aktuelle_Zeile()));
    }
}

void TMyWindow::Werte_Datei_in_ObjektListe() {
    const Typ_GruppenInfo* gebiet = Aktuelles_Gebiet();
    if (!gebiet) {
        ObjektListe.clear();
        return;
    }
    Ladeauftrag auftrag{*gebiet, laender_ ? laender_->Listen.Angezeigte_Laender : QStringList(),
                        ausgeblendete_trotzdem_anzeigen, ESortierung};
    Ladeergebnis r = talvero::Werte_Datei_in_ObjektListe(auftrag, Versteckt);
    ObjektListe = std::move(r.Eintraege);
    Anzahl_Saetze_in_Datei = r.Anzahl_Saetze_in_Datei;
    Anzahl_Ausblendungen_wegen_Land = r.Anzahl_Ausblendungen_wegen_Land;
    Anzahl_Ausblendungen_normal = r.Anzahl_Ausblendungen_normal;
    Meldungen_zeigen(r.Meldungen);
}

void TMyWindow::Werte_Objektliste_in_Listbox() {
    const int gemerkt = Rechenmodus ? Aktuelle_Zeile() : 0;
    const bool vorher = fuellt_;
    fuellt_ = true;
    modell_->Werte_neu();
    Zeile_waehlen(std::max(0, gemerkt));
    fuellt_ = vorher;
    if (ObjektListe.empty())
        meldungsdienst().zeigen(Leere_Liste_Meldung());
}

void TMyWindow::Werte_in_Info_Feld() {
    const TAusgabetextobject* e = ObjektListe.empty() ? nullptr : Aktueller_Eintrag();
    Panel1->Werte_in_Info_Feld(e, Gebietname());
    if (e) {
        Freigeben(befehle_->ToolButton1, !e->Ausgabetext.freier_Infotext.isEmpty());
    }
}

void TMyWindow::Text_Flagge_unterhalb_Liste() {
    const TAusgabetextobject* e = Aktueller_Eintrag();
    if (!e) {
        Label_gewaehlte_einheit->clear();
        Image1->clear();
        return;
    }
    Label_gewaehlte_einheit->setText(e->Ausgabetext.Einheit);
    Image1->setPixmap(flaggen_.Flagge(e->Ausgabetext.Land_Name));
}

void TMyWindow::Text_Flagge_oberhalb_Liste_erzeugen() {
    const QPixmap flagge = Image1->pixmap();
    headline_->Text_Flagge_oberhalb_Liste_erzeugen(
        Edit_Eingabe->text() + QStringLiteral("  ") + Label_gewaehlte_einheit->text(), flagge);
}

void TMyWindow::Text_Flagge_oberhalb_Liste_Loeschen() {
    headline_->Text_Flagge_oberhalb_Liste_Loeschen();
}

void TMyWindow::Text_Ausblendungen() {
    Label4->setText(QString::number(Anzahl_Saetze_in_Datei - Anzahl_Ausblendungen_wegen_Land) +
                    QStringLiteral(" Einheiten vorhanden, davon ") +
                    QString::number(Anzahl_Ausblendungen_normal) +
                    QStringLiteral(" ausgeblendet."));
    if (laender_ && Gebiet_mit_Ausblendung(Gebietname()))
        Label5->setText(QString::number(laender_->Listen.Laender_in_Datenbank.size()) +
                        QStringLiteral(" Länder vorhanden, davon ") +
                        QString::number(laender_->Listen.Ausgeblendete_Laender.size()) +
                        QStringLiteral(" ausgeblendet."));
    else
        Label5->clear();
}

void TMyWindow::Ausblendknoepfe_setzen() {
    const bool vier = Gebiet_mit_Ausblendung(Gebietname());
    for (QAction* a : {befehle_->ToolButton3, befehle_->ToolButton4, befehle_->Einheitenausblenden1,
                       befehle_->Einheiteneinblenden1})
        Freigeben(a, vier);
}

void TMyWindow::Meldungen_zeigen(const std::vector<Meldung>& meldungen) {
    for (const Meldung& m : meldungen) {
        meldungsdienst().zeigen(m);
        if (!m.fokus.isEmpty())
            Fokus_auf(m.fokus);
    }
}

void TMyWindow::Fokus_auf(const QString& objectName) {
    if (auto* edit = findChild<QLineEdit*>(objectName)) {
        edit->setFocus();
        edit->selectAll();
    } else if (auto* w = findChild<QWidget*>(objectName)) {
        w->setFocus();
    }
}

void TMyWindow::ListBoxEinheitClick() {
    Werte_in_Info_Feld();
    Text_Flagge_unterhalb_Liste();
    if (Gebietname() != u"Weltzeit" && Automatisches_Rechnen && !Edit_Eingabe->text().isEmpty())
        RechentasteClick();
}

void TMyWindow::ListBoxEinheitDblClick() {
    const TAusgabetextobject* e = Aktueller_Eintrag();
    if (!e)
        return;
    QString text = e->Ausgabetext.freier_Infotext;
    text.replace(QStringLiteral("****"), QStringLiteral("\r\n"));
    meldungsdienst().zeigen(
        {Meldungsart::Schlicht,
         text.isEmpty() ? QStringLiteral("Keine weiteren Informationen vorhanden.") : text,
         {}});
}

void TMyWindow::ToolButton1Click() {
    const TAusgabetextobject* e = Aktueller_Eintrag();
    if (!e)
        return;
    const QString& text = e->Ausgabetext.freier_Infotext;
    meldungsdienst().zeigen(
        {Meldungsart::Schlicht,
         text.isEmpty() ? QStringLiteral("Keine weiteren Informationen vorhanden.") : text,
         {}});
}

void TMyWindow::ToolButton7Click() {
    meldungsdienst().zeigen({Meldungsart::Information,
                             Gebiet_Info(GebietInfoString, ComboBox2->currentIndex() + 1),
                             {}});
}

void TMyWindow::WertKopieren1Click() {
    const TAusgabetextobject* e = Aktueller_Eintrag();
    if (!e)
        return;
    QApplication::clipboard()->setText(Ausgabe_wissenschaftlich
                                           ? e->Rechenergebnis_wiss.text()
                                           : e->Rechenergebnis_Fliesskomma.text());
}

void TMyWindow::Einfuegen1Click() {
    Edit_Eingabe->clear();
    Edit_Eingabe->insert(QApplication::clipboard()->text());
    if (Gebietname() != u"Weltzeit" && Automatisches_Rechnen && !Edit_Eingabe->text().isEmpty())
        RechentasteClick();
}

void TMyWindow::AutomatischesRechnen1Click() {
    Automatisches_Rechnen = !Automatisches_Rechnen;
    befehle_->AutomatischesRechnen1->setChecked(Automatisches_Rechnen);
    const QString gebiet = Gebietname();
    if (Automatisches_Rechnen && gebiet != u"Weltzeit" && gebiet != u"Brüche" &&
        !Edit_Eingabe->text().isEmpty())
        RechentasteClick();
}

void TMyWindow::UeberTalvero1Click() {
    if (auto* box = findChild<TueberBox*>(QStringLiteral("TueberBox")))
        box->exec();
}

void TMyWindow::ImmerwaehrenderKalender1Click() {
    if (auto* dialog = findChild<TKalenderDlg*>(QStringLiteral("TKalenderDlg")))
        dialog->exec();
}

bool TMyWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit_Eingabe && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString gebiet = Gebietname();
        // The numeric keypad's decimal key alone does not compute; the next digit does.
        const bool dezimaltaste = (key->modifiers() & Qt::KeypadModifier) &&
                                  (key->key() == Qt::Key_Comma || key->key() == Qt::Key_Period ||
                                   key->key() == Qt::Key_Delete);
        // Enter has computed already, and modifier keys change no value.
        const bool ohneWert = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                              key->key() == Qt::Key_Shift || key->key() == Qt::Key_Control ||
                              key->key() == Qt::Key_Alt || key->key() == Qt::Key_Meta ||
                              key->key() == Qt::Key_AltGr || key->isAutoRepeat();
        if (Automatisches_Rechnen && gebiet != u"Weltzeit" && gebiet != u"Brüche" &&
            !dezimaltaste && !ohneWert && !Edit_Eingabe->text().isEmpty())
            RechentasteClick();
    } else if (watched == Edit_Eingabe && event->type() == QEvent::MouseButtonRelease) {
        if (ListBoxEinheit->isVisible() && Aktuelle_Zeile() >= 0)
            ListBoxEinheit->selectionModel()->select(ListBoxEinheit->currentIndex(),
                                                     QItemSelectionModel::Select);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMyWindow::Registry_lesen() {
    const Gelesene_Einstellungen g = talvero::Registry_lesen();
    const Einstellungen& e = g.werte;
    Gebietsnummer = e.Gebietsnummer;
    ESortierung = e.ESortierung;
    Ausgabe_wissenschaftlich = e.Ausgabe_wissenschaftlich;
    Automatisches_Rechnen = e.Automatisches_Rechnen;
    befehle_->AutomatischesRechnen1->setChecked(Automatisches_Rechnen);
    Versteckt = e.Versteckt;
    if (e.HF_Left || e.HF_Top)
        move(e.HF_Left.value_or(x()), e.HF_Top.value_or(y()));
    if (e.HF_Height && *e.HF_Height > 0)
        resize(width(), *e.HF_Height);
    if (g.meldung)
        meldungsdienst().zeigen(*g.meldung);
}

void TMyWindow::Registry_schreiben() {
    Einstellungen e;
    e.Gebietsnummer = ComboBox2->currentIndex() + 1;
    e.ESortierung = ESortierung;
    e.Ausgabe_wissenschaftlich = Ausgabe_wissenschaftlich;
    e.Automatisches_Rechnen = befehle_->AutomatischesRechnen1->isChecked();
    e.Versteckt = Versteckt;
    e.HF_Left = x();
    e.HF_Top = y();
    e.HF_Height = height();
    if (const auto fehler = talvero::Registry_schreiben(e))
        meldungsdienst().zeigen(*fehler);
}

void TMyWindow::closeEvent(QCloseEvent* event) {
    Registry_schreiben();
    ObjektListe.clear();
    modell_->Werte_neu();
    event->accept();
}

void TMyWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The width is fixed (setFixedWidth); the list takes what the height gives.
    ListBoxEinheit->viewport()->update();
}

} // namespace talvero
