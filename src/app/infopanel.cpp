#include "app/infopanel.h"

#include <QGridLayout>
#include <QLabel>

namespace talvero {
namespace {

QLabel* Label(QWidget* parent, const char* name, const QString& farbe) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setStyleSheet(QStringLiteral("color: %1;").arg(farbe));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

} // namespace

Infopanel::Infopanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(1);

    auto* heading = new QLabel(QStringLiteral("Information"), this);
    heading->setObjectName(QStringLiteral("Label_Information"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 0, 1, 2);

    kurzzeichen_ = paar("Info_Kurzzeichen1", "Info_Kurzzeichen2");
    sonstige_ = paar("Info_sonstige_Namen1", "Info_Sonstige_Namen2");
    uebersetzung_ = paar("Info_Uebersetzung1", "Info_Uebersetzung2");
    einsatz_ = paar("Info_Einsatzgebiet1", "Info_Einsatzgebiet2");
    entspricht_ = paar("Info_entspricht1", "Info_entspricht2");
    caWert_ = paar("Info_ca_Wert1", "Info_ca_wert2");
    land_ = paar("Info_Landname1", "Info_Landname2");
    ort_ = paar("Info_Ort1", "Info_ort2");
    zeitraum_ = paar("Info_Zeitraum1", "Info_Zeitraum2");
    regional_ = Label(this, "Info_reg_Unterschiede", QStringLiteral("#c00000"));
    zeitlich_ = Label(this, "Info_zeit_unterschiede", QStringLiteral("#c00000"));

    // Symbol to approximate value: the caption over its value.
    int row = 1;
    for (const Paar& p : {kurzzeichen_, sonstige_, uebersetzung_, einsatz_, entspricht_, caWert_}) {
        grid->addWidget(p.caption, row++, 0, 1, 2);
        grid->addWidget(p.wert, row++, 0, 1, 2);
        p.wert->setWordWrap(true);
    }
    grid->setRowMinimumHeight(row++, 6);
    // Country, place and period: one line each.
    for (const Paar& p : {land_, ort_, zeitraum_}) {
        grid->addWidget(p.caption, row, 0);
        grid->addWidget(p.wert, row++, 1);
    }
    grid->setRowMinimumHeight(row++, 6);
    grid->addWidget(regional_, row++, 0, 1, 2);
    grid->addWidget(zeitlich_, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
}

Infopanel::Paar Infopanel::paar(const char* captionName, const char* wertName) {
    return {Label(this, captionName, QStringLiteral("#000000")),
            Label(this, wertName, QStringLiteral("#0000c0"))};
}

void Infopanel::setzen(const Paar& p, const QString& caption, const QString& wert) {
    if (wert.isEmpty()) {
        p.caption->clear();
        p.wert->clear();
        return;
    }
    p.caption->setText(caption);
    p.wert->setText(wert);
}

void Infopanel::Werte_in_Info_Feld(const TAusgabetextobject* eintrag, const QString& Gebietname) {
    if (!eintrag) {
        for (const Paar& p : {kurzzeichen_, sonstige_, uebersetzung_, einsatz_, entspricht_,
                              caWert_, land_, ort_, zeitraum_}) {
            p.caption->clear();
            p.wert->clear();
        }
        regional_->clear();
        zeitlich_->clear();
        return;
    }
    const Typ_Ausgabetext& t = eintrag->Ausgabetext;
    setzen(kurzzeichen_, QStringLiteral("Kurzzeichen:"), t.Kurzzeichen);
    setzen(sonstige_, QStringLiteral("Sonstige Namen:"), t.Einheit_auch);
    QString uebersetzung = QStringLiteral("Übersetzung: ");
    if (Gebietname == u"Weltzeit")
        uebersetzung = QStringLiteral("Sommerzeit (+ 1 Stunde): ");
    else if (Gebietname == u"Währungen")
        uebersetzung = QStringLiteral("Stand: ");
    setzen(uebersetzung_, uebersetzung, t.Uebersetzung);
    setzen(einsatz_, QStringLiteral("Einsatzgebiet:"), t.Einsatzgebiet);
    setzen(entspricht_,
           Gebietname == u"Aräometerskalen" ? QStringLiteral("Bezugstemperatur:")
                                            : QStringLiteral("entspricht: "),
           t.entspricht);
    setzen(caWert_, QStringLiteral("Wert bzw. ca.Wert: "), t.ca_Wert);
    land_.caption->setText(QStringLiteral("Land: "));
    land_.wert->setText(t.Land_Name);
    setzen(ort_, QStringLiteral("Ort: "), t.Ort);
    setzen(zeitraum_, QStringLiteral("Zeitraum: "), t.gueltig_Zeit);
    regional_->setText(t.reg_Unterschiede ? QStringLiteral("Achtung: regionale Unterschiede")
                                          : QString());
    zeitlich_->setText(t.zeitliche_Unterschiede ? QStringLiteral("Achtung: zeitliche Unterschiede")
                                                : QString());
}

} // namespace talvero
