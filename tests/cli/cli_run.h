#pragma once

// Runs talvero-cli on a test's own data root and program folder.
#include "test_env.h"

#include <QProcess>
#include <QStringList>

namespace talvero::test {

struct Lauf {
    int code;
    QString out;
    QString err;
};

inline Lauf cli(const Testumgebung& env, const QStringList& args) {
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
