#pragma once

#include "database/records.h"

#include <QStringList>
#include <QTextStream>
#include <expected>

namespace talvero::cli {

// Where a command writes: results to out, messages to err.
struct Ausgabe {
    QTextStream& out;
    QTextStream& err;
};

// Exit codes of talvero-cli.
inline constexpr int Erfolg = 0;
inline constexpr int Fehler = 1; // bad input or a failed file; message on err
inline constexpr int Falscher_Aufruf = 2;

// Each command gets the words after its name.
int Befehl_areas(const QStringList& args, Ausgabe& io);
int Befehl_units(const QStringList& args, Ausgabe& io);
int Befehl_data(const QStringList& args, Ausgabe& io);
int Befehl_weekday(const QStringList& args, Ausgabe& io);
int Befehl_feasts(const QStringList& args, Ausgabe& io);
int Befehl_convert(const QStringList& args, Ausgabe& io);

// The area of that name and the plain lines of its data file, or the German message.
struct Gebietsdatei {
    Typ_GruppenInfo Gebiet;
    QStringList Zeilen;
};
std::expected<Gebietsdatei, QString> Gebietsdatei_lesen(const QString& Gebietname);

// Takes "--name VALUE" out of args; nullopt-like empty string if absent. Sets ok to
// false when the option is given without a value.
QString Option_nehmen(QStringList& args, const QString& name, bool& ok);
// Takes a "--flag" out of args and says whether it was there.
bool Schalter_nehmen(QStringList& args, const QString& name);

} // namespace talvero::cli
