#pragma once

#include <QString>

namespace talvero {

// The shared data folder, asked anew at every use: $TALVERO_DATA_ROOT, else
// $XDG_DATA_HOME, else ~/.local/share, followed by "/TVR7/".
QString Datenordner();

// A file in the data folder.
QString Datenordner_Datei(const QString& name);

// The program folder with the reference files: $TALVERO_PROGRAM_DIR if set, else the
// executable's folder if it holds the reference files (build tree), else the installed
// share/talvero folder. Ends with "/".
QString Programmordner();

// A file in the program folder.
QString Programmordner_Datei(const QString& name);

// The shipped default database that seeds an empty data folder.
QString Standarddatenbank_Ordner();

// Name of the country file, which marks a folder as a program folder.
inline QString Laenderdatei_Name() {
    return QStringLiteral("LAENDER.NFO1");
}
inline QString Gebietstabelle_Name() {
    return QStringLiteral("_GRUPPEN.NFO1");
}
inline QString Gebietinfo_Name() {
    return QStringLiteral("Gebiet.nfo1");
}
inline QString Datendatei_Endung() {
    return QStringLiteral(".DAT1");
}

} // namespace talvero
