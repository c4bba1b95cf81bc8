#pragma once

#include "test_env.h"

#include <QProcess>

namespace talvero::test {

// One run of talvero-cli in the environment's own folders.
struct Cli_Lauf {
    int code;
    QString out;
    QString err;
};

inline Cli_Lauf cli_starten(const Testumgebung& env, const QStringList& args) {
    QProcess p;
    p.setProgram(QStringLiteral(TALVERO_BUILD_PROGRAM_DIR "/talvero-cli"));
    p.setArguments(QStringList{QStringLiteral("--data-root"), env.datenroot(),
                               QStringLiteral("--program-dir"), env.programmordner()} +
                   args);
    p.start();
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace talvero::test
