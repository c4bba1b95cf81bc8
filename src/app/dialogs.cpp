#include "app/dialogs.h"

#include "app/calendar_dialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace talvero {

TLand_neu_Dlg::TLand_neu_Dlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TLand_neu_Dlg"));
    setWindowTitle(QStringLiteral("Länder ein-/ausblenden"));
}

void TLand_neu_Dlg::FormCreate() {
    auto gelesen = Laenderdatei_lesen();
    if (gelesen) {
        Listen = std::move(*gelesen);
        Lesefehler.reset();
    } else {
        Listen = {};
        Lesefehler = gelesen.error();
    }
}

TueberBox::TueberBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TueberBox"));
    setWindowTitle(QStringLiteral("Über Talvero"));
    auto* layout = new QVBoxLayout(this);
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* inner = new QVBoxLayout(panel);
    auto* name = new QLabel(QStringLiteral("Talvero 7.0"), panel);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    inner->addWidget(name, 0, Qt::AlignHCenter);
    inner->addWidget(new QLabel(QStringLiteral("für Windows XP/Vista/7"), panel), 0,
                     Qt::AlignHCenter);
    layout->addWidget(panel);
    auto* version = new QLabel(QStringLiteral("7.01_17.07.2011"), this);
    QFont small = version->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    version->setFont(small);
    layout->addWidget(version);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(ok);
}

void Dialoge_erzeugen(QWidget* parent) {
    const auto shell = [parent](const char* name) {
        auto* d = new QDialog(parent);
        d->setObjectName(QString::fromLatin1(name));
    };
    shell("TDlg_Einheit_einblenden");
    shell("TDlg_eigene_einfuegen");
    shell("TDlg_eigene_einfuegen_WZ");
    shell("TFaktor_aendern_Weltzeit");
    shell("TSuch_Dialog");
    new TueberBox(parent);
    shell("TVorsatzzeichen");
    shell("TGebietNeuDlg");
    shell("TGebietLoeschenDlg");
    shell("TPasswordDlg");
    shell("TStoffdatenDlg");
    shell("TElementeDlg");
    shell("TPhysKonstDlg");
    shell("TDivDatenDlg");
    shell("TPasswortErzeugungDlg");
    (new TLand_neu_Dlg(parent))->FormCreate();
    shell("TMolmasseDlg");
    shell("TFlaechen_Berechnung_Dlg");
    shell("TNaehrwertDlg");
    shell("TKonfektionDlg");
    shell("TANSIASCII_TabelleDlg");
    shell("TAuslandsvorwahlDlg");
    shell("TBuchstabiertafelDlg");
    new TKalenderDlg(parent);
    shell("TKoerper_Berechnung_DlgN");
    shell("TFaktor_aendern");
}

} // namespace talvero
