#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <expected>
#include <memory>

namespace talvero {

// Replaces the file atomically: a temporary file in the same folder is written,
// flushed to disk and renamed over the old one. On failure the old file is untouched
// and the German message says what went wrong.
std::expected<void, QString> Datei_atomar_schreiben(const QString& path, QByteArrayView data);

// Reads a whole file; a German message if it is missing or unreadable.
std::expected<QByteArray, QString> Datei_lesen(const QString& path);

// Holds the data folder's lock file for a whole read-modify-write, so that two
// running copies never lose each other's edits.
class Datenordner_Sperre {
public:
    explicit Datenordner_Sperre(const QString& folder);
    Datenordner_Sperre(const Datenordner_Sperre&) = delete;
    Datenordner_Sperre& operator=(const Datenordner_Sperre&) = delete;

    // False if the lock could not be taken within a few seconds.
    bool gesperrt() const { return locked_; }
    static QString Meldungstext();

private:
    std::unique_ptr<QLockFile> lock_;
    bool locked_ = false;
};

} // namespace talvero
