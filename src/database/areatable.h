#pragma once

#include "database/records.h"

#include <QString>
#include <QStringList>
#include <expected>
#include <vector>

namespace talvero {

// The area table "_GRUPPEN.NFO1" of the data folder, one record per line.
std::expected<std::vector<Typ_GruppenInfo>, QString> Gebiete_laden();

// The plain lines of an area's data file (Dateiname + ".DAT1" in the data folder). A
// file name that would lead out of the data folder is refused like a missing file.
std::expected<QStringList, QString> Datendatei_lesen(const QString& Dateiname);

// Writes the three fields of every area, joined by tabs, in table order.
std::expected<void, QString> Gebiete_speichern(const std::vector<Typ_GruppenInfo>& Gruppeninfos);

// The whole area information file, every line followed by CR LF.
std::expected<QString, QString> Gebiet_Infos_einlesen();

// Block i (1-based) of the information text: the text before the i-th "*" line.
QString Gebiet_Info(const QString& GebietInfoString, int i);

// Writes the first Anzahl_Gebiete blocks back, each followed by a "*" line.
std::expected<void, QString> Gebiet_Infos_speichern(const QString& GebietInfoString,
                                                    int Anzahl_Gebiete);

// The lines Gebiet_Infos_speichern writes; the file format without the file.
QStringList Gebiet_Infos_als_Zeilen(const QString& GebietInfoString, int Anzahl_Gebiete);

} // namespace talvero
