#include "app/mainwindow.h"

#include "database/areatable.h"
#include "database/seed.h"

#include <QComboBox>
#include <QMessageBox>
#include <QToolBar>

namespace talvero {

TMyWindow::TMyWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MyWindow"));
    setWindowTitle(QStringLiteral("Talvero 7.01"));
    auto* bar = addToolBar(QStringLiteral("Werkzeuge"));
    ComboBox2 = new QComboBox(bar);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setMaxVisibleItems(27);
    ComboBox2->setMinimumContentsLength(24);
    bar->addWidget(ComboBox2);
    resize(900, 640);
}

void TMyWindow::FormShow() {
    const auto seeded = Datenordner_einrichten();
    if (!seeded)
        QMessageBox::critical(this, QStringLiteral("Fehler"), seeded.error());
    const auto areas = Gebiete_laden();
    if (!areas) {
        QMessageBox::critical(this, QStringLiteral("Fehler"), areas.error());
        return;
    }
    Gruppeninfos = *areas;
    if (const auto infos = Gebiet_Infos_einlesen())
        GebietInfoString = *infos;
    for (const Typ_GruppenInfo& g : Gruppeninfos)
        ComboBox2->addItem(g.Gebietname);
}

} // namespace talvero
