#pragma once

#include "database/records.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace talvero::test {

// One area of the shipped default database as the build packed it.
struct Ausgeliefertes_Gebiet {
    Typ_GruppenInfo gruppe;
    QStringList zeilen; // plain lines of the data file
};

// The packed default database and country file of the build tree, read through the
// container; a failed read is a test failure in the caller (empty result).
std::vector<Ausgeliefertes_Gebiet> Ausgelieferte_Gebiete();
QStringList Ausgelieferte_Laender();

// Areas whose units stand at fixed positions instead of in name order.
bool Sondergebiet_mit_festen_Positionen(const QString& gebiet);

} // namespace talvero::test
