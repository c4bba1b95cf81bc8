#include "database/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef TALVERO_INSTALL_DATADIR
#define TALVERO_INSTALL_DATADIR "/usr/local/share/talvero"
#endif

namespace talvero {
namespace {

QString withSlash(QString path) {
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

QString executableFolder() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
}

} // namespace

QString Datenordner() {
    QString root = qEnvironmentVariable("TALVERO_DATA_ROOT");
    if (root.isEmpty())
        root = qEnvironmentVariable("XDG_DATA_HOME");
    if (root.isEmpty())
        root = QDir::homePath() + QStringLiteral("/.local/share");
    return withSlash(root) + QStringLiteral("TVR7/");
}

QString Datenordner_Datei(const QString& name) {
    return Datenordner() + name;
}

QString Programmordner() {
    const QString given = qEnvironmentVariable("TALVERO_PROGRAM_DIR");
    if (!given.isEmpty())
        return withSlash(given);
    const QString exe = withSlash(executableFolder());
    if (QFileInfo::exists(exe + Laenderdatei_Name()))
        return exe;
    // Installed: <prefix>/bin/talvero beside <prefix>/share/talvero.
    const QString relative = withSlash(QDir::cleanPath(exe + QStringLiteral("../share/talvero")));
    if (QFileInfo::exists(relative + Laenderdatei_Name()))
        return relative;
    return withSlash(QStringLiteral(TALVERO_INSTALL_DATADIR));
}

QString Programmordner_Datei(const QString& name) {
    return Programmordner() + name;
}

QString Standarddatenbank_Ordner() {
    return Programmordner() + QStringLiteral("default/");
}

} // namespace talvero
