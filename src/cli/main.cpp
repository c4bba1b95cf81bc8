#include "cli/commands.h"

#include "database/seed.h"

#include <QCoreApplication>
#include <QDir>
#include <functional>
#include <map>

using namespace talvero;
using namespace talvero::cli;

namespace {

const std::map<QString, std::function<int(const QStringList&, Ausgabe&)>>& befehle() {
    static const std::map<QString, std::function<int(const QStringList&, Ausgabe&)>> table = {
        {QStringLiteral("areas"), Befehl_areas},     {QStringLiteral("units"), Befehl_units},
        {QStringLiteral("data"), Befehl_data},       {QStringLiteral("convert"), Befehl_convert},
        {QStringLiteral("weekday"), Befehl_weekday}, {QStringLiteral("feasts"), Befehl_feasts},
    };
    return table;
}

constexpr auto kUsage =
    "Aufruf: talvero-cli [--data-root ORDNER] [--program-dir ORDNER] BEFEHL ...\n"
    "Befehle:\n"
    "  areas\n"
    "  units GEBIET\n"
    "  convert GEBIET EINHEIT WERT [--country LAND] [--scientific] [--lighter|--heavier]\n"
    "  data decrypt DATEI [--key SCHLUESSEL]\n"
    "  data encrypt EINGABE AUSGABE [--key SCHLUESSEL]\n"
    "  weekday DATUM\n"
    "  feasts JAHR [--julian]\n";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    Ausgabe io{out, err};

    QStringList args = app.arguments().mid(1);
    // The folder options count only before the command.
    while (!args.isEmpty() &&
           (args.first() == u"--data-root" || args.first() == u"--program-dir")) {
        if (args.size() < 2) {
            err << kUsage;
            return Falscher_Aufruf;
        }
        const QByteArray var =
            args.first() == u"--data-root" ? "TALVERO_DATA_ROOT" : "TALVERO_PROGRAM_DIR";
        qputenv(var.constData(), QFile::encodeName(QDir(args.at(1)).absolutePath()));
        args.remove(0, 2);
    }
    if (args.isEmpty()) {
        err << kUsage;
        return Falscher_Aufruf;
    }
    const auto command = befehle().find(args.first());
    if (command == befehle().end()) {
        err << kUsage;
        return Falscher_Aufruf;
    }
    // Pure calculations and the file tools work without the data folder.
    static const QStringList ohne_Datenordner = {u"data"_qs, u"weekday"_qs, u"feasts"_qs};
    if (!ohne_Datenordner.contains(args.first())) {
        const auto seeded = Datenordner_einrichten();
        if (!seeded) {
            err << seeded.error() << '\n';
            return Fehler;
        }
    }
    const int code = command->second(args.mid(1), io);
    if (code == Falscher_Aufruf)
        err << kUsage;
    return code;
}
