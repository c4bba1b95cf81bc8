#include "cli/commands.h"

#include "calendar/perpetual.h"

namespace talvero::cli {
namespace {

int ausgeben(const Kalenderantwort& antwort, Ausgabe& io) {
    if (antwort.Fehler) {
        io.err << antwort.Fehler->text << '\n';
        return Fehler;
    }
    for (const QString& zeile : antwort.Zeilen)
        io.out << zeile << '\n';
    return Erfolg;
}

} // namespace

int Befehl_weekday(const QStringList& args, Ausgabe& io) {
    // An empty date would do nothing at all; on the command line it is a wrong call.
    if (args.size() != 1 || args.first().isEmpty())
        return Falscher_Aufruf;
    return ausgeben(Wochentag_ermitteln(args.first()), io);
}

int Befehl_feasts(const QStringList& given, Ausgabe& io) {
    QStringList args = given;
    const bool julianisch = Schalter_nehmen(args, QStringLiteral("--julian"));
    if (args.size() != 1 || args.first().isEmpty())
        return Falscher_Aufruf;
    return ausgeben(Feiertage_ermitteln(args.first(), julianisch), io);
}

} // namespace talvero::cli
