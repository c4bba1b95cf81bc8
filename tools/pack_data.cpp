// Packs the UTF-8 sources of data/ into the shipped files:
//   data/database/_GRUPPEN.tsv  -> default/_GRUPPEN.NFO1  (plain, Windows-1252, CR LF)
//   data/database/Gebiet.txt    -> default/Gebiet.nfo1    (plain)
//   data/database/NAME.tsv      -> default/NAME.DAT1      (encrypted)
//   data/program/NAME.tsv       -> NAME.NFO1              (encrypted, beside the programs)
#include "database/datafile.h"
#include "database/keys.h"
#include "database/textcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

using namespace talvero;

namespace {

QStringList readUtf8Lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return Textzeilen_lesen(QByteArray("\xEF\xBB\xBF") + file.readAll());
}

void check(const std::expected<void, QString>& result) {
    if (!result) {
        std::fprintf(stderr, "%s\n", qPrintable(result.error()));
        std::exit(1);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: talvero-pack DATA_SOURCE_DIR PROGRAM_DIR\n");
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    const QDir program(QString::fromLocal8Bit(argv[2]));
    QDir defaults(program.filePath(QStringLiteral("default")));
    defaults.removeRecursively();
    QDir().mkpath(defaults.path());

    const QDir database(source.filePath(QStringLiteral("database")));
    for (const QFileInfo& f : database.entryInfoList(QDir::Files, QDir::Name)) {
        const QStringList lines = readUtf8Lines(f.filePath());
        if (f.fileName() == u"_GRUPPEN.tsv")
            check(Textdatei_schreiben(lines, defaults.filePath(QStringLiteral("_GRUPPEN.NFO1"))));
        else if (f.fileName() == u"Gebiet.txt")
            check(Textdatei_schreiben(lines, defaults.filePath(QStringLiteral("Gebiet.nfo1"))));
        else if (f.suffix() == u"tsv")
            check(Datei_verschluesseln_und_speichern(
                lines, defaults.filePath(f.completeBaseName() + QStringLiteral(".DAT1")),
                Schluessel1()));
    }
    const QDir references(source.filePath(QStringLiteral("program")));
    for (const QFileInfo& f : references.entryInfoList({QStringLiteral("*.tsv")}, QDir::Files))
        check(Datei_verschluesseln_und_speichern(
            readUtf8Lines(f.filePath()),
            program.filePath(f.completeBaseName() + QStringLiteral(".NFO1")), Schluessel1()));
    return 0;
}
