#pragma once

#include <QString>
#include <QStringList>
#include <expected>

namespace talvero {

// Reads an encrypted file and returns its plain lines. A missing or unreadable file,
// a wrong password and a wrong authentication code are failed reads with a German
// message; nothing garbled is ever handed on.
std::expected<QStringList, QString> Datei_oeffnen_und_entschluesseln(const QString& Dateiname,
                                                                     const QString& Schluessel);

// Writes the lines as an encrypted file with a fresh salt, replacing the file
// atomically. Callers that read, change and write a data-folder file hold
// Datenordner_Sperre for the whole of it.
std::expected<void, QString> Datei_verschluesseln_und_speichern(const QStringList& SourceList,
                                                                const QString& Dateiname,
                                                                const QString& Schluessel);

// Reads a plain text file of the data folder as lines; writes one atomically.
std::expected<QStringList, QString> Textdatei_lesen(const QString& path);
std::expected<void, QString> Textdatei_schreiben(const QStringList& lines, const QString& path);

} // namespace talvero
