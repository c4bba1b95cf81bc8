#pragma once

#include <QString>
#include <expected>

namespace talvero {

// At the first start the data folder has no area table: create the folder and copy
// the shipped default database into it. Returns true if it seeded, false if there was
// nothing to do, or the German message if the folder cannot be written.
std::expected<bool, QString> Datenordner_einrichten();

} // namespace talvero
