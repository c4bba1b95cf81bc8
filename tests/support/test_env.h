#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace talvero::test {

// A hermetic environment: its own data root, settings folder and program folder,
// removed again at the end of the test.
class Testumgebung {
public:
    Testumgebung();
    ~Testumgebung();

    QString datenroot() const { return root_.filePath(QStringLiteral("data")); }
    QString datenordner() const { return datenroot() + QStringLiteral("/TVR7/"); }
    QString programmordner() const { return root_.filePath(QStringLiteral("program")) + u'/'; }
    QString einstellungen() const { return root_.filePath(QStringLiteral("config")); }

    // Writes a data-folder fixture: area table, information file and one encrypted
    // data file per area (lines of 19 fields).
    void Datenordner_schreiben(const QStringList& gebietstabelle, const QStringList& infozeilen,
                               const QList<std::pair<QString, QStringList>>& dateien) const;

private:
    QTemporaryDir root_;
    QByteArray oldData_, oldConfig_, oldProgram_;
};

// A 19-field unit line from the fields that matter for most tests.
QString Einheitenzeile(const QString& einheit, const QString& faktor,
                       const QString& land = QStringLiteral("SI-Einheit"),
                       const QString& kurzzeichen = {});

} // namespace talvero::test
